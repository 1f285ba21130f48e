#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnesk {

// Reads the fields of a population file as numbers, each to the double nearest its text: an
// optional sign and digits with a decimal mark (a period, or a comma in a file of decimal
// commas), or anything else from_chars reads, such as an exponent.
class FieldReader {
 public:
  explicit FieldReader(char decimalMark) : mark_(decimalMark) {}

  // The value of a field that has no blanks around it and is not empty; false when it is not
  // a number, or not a finite one.
  // Inline, with plainDecimal: the reader calls it for each of up to 578000 fields.
  bool read(std::string_view field, double& value) {
    const char* first = field.data();
    const char* last = first + field.size();
    if (*first == '+' && field.size() > 1 && field[1] != '-') ++first;  // from_chars takes no '+'
    return plainDecimal(first, last, value) || anyNumber(first, last, value);
  }

 private:
  // A value written the way loss rates are, [-]digits[mark digits] with at most 15 digits, is
  // read without from_chars: its digits are an integer m below 2^53 and 10^f is exact, so the one
  // correctly rounded division m / 10^f is the double nearest the text, which is what from_chars
  // returns.
  bool plainDecimal(const char* first, const char* last, double& value) const {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr std::ptrdiff_t kMaxDigits = 15;
    const bool negative = first != last && *first == '-';
    const char* p = first + negative;
    std::uint64_t digits = 0;
    const char* start = p;
    for (; p != last && *p >= '0' && *p <= '9'; ++p)
      digits = digits * 10 + static_cast<unsigned>(*p - '0');
    std::ptrdiff_t whole = p - start;
    std::ptrdiff_t fraction = 0;
    if (p != last && *p == mark_) {
      const char* fractionStart = ++p;
      for (; p != last && *p >= '0' && *p <= '9'; ++p)
        digits = digits * 10 + static_cast<unsigned>(*p - '0');
      fraction = p - fractionStart;
      if (fraction == 0) return false;
    }
    if (p != last || whole == 0 || whole + fraction > kMaxDigits) return false;
    const double magnitude = static_cast<double>(digits) / kPowersOfTen[fraction];
    value = negative ? -magnitude : magnitude;
    return true;
  }

  bool anyNumber(const char* first, const char* last, double& value);

  char mark_;
  std::string withPeriod_;  // the text given to from_chars, which reads only a period as the mark
};

}  // namespace varnesk
