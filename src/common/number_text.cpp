#include "common/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "common/number_conversion.h"

namespace varnesk {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// When from_chars reports a value out of range, tell overflow from underflow by the decimal
// exponent of the first significant digit.
double outOfRange(std::string_view number, bool negative) {
  const std::size_t expAt = std::min(number.find_first_of("eE"), number.size());
  const std::string_view mantissa = number.substr(0, expAt);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  long long exponent = 0;
  if (expAt < number.size()) {
    std::size_t j = expAt + 1;
    const bool expNegative = number[j] == '-';
    if (number[j] == '+' || number[j] == '-') ++j;
    for (; j < number.size(); ++j)
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (number[j] - '0');
    if (expNegative) exponent = -exponent;
  }
  const long long position = first < point ? static_cast<long long>(point - first) - 1
                                           : -static_cast<long long>(first - point);
  const double magnitude = first != std::string_view::npos && position + exponent > 0
                               ? std::numeric_limits<double>::infinity()
                               : 0.0;
  return negative ? -magnitude : magnitude;
}

}  // namespace

double parseLeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t mantissa = i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  // An exponent counts only when digits follow it: "1e" and "1e+" read as 1.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && isDigit(text[j])) {
      while (j < text.size() && isDigit(text[j])) ++j;
      i = j;
    }
  }
  const std::string_view number = text.substr(mantissa, i - mantissa);
  double value = 0.0;
  const auto [ignored, ec] = fromChars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) return outOfRange(number, negative);
  return negative ? -value : value;
}

double roundHalfEven(double value) { return std::nearbyint(value); }

std::string formatFixed(double value, int decimals, char separator) {
  if (std::isnan(value)) return "-";
  if (std::isinf(value)) return value > 0 ? "∞" : "-∞";
  // Round on the value's 15 significant decimal digits, as a double is shown to people: a class
  // boundary computed as 0.8499999999999999778 is the 0.85 that the user thinks of, and shows
  // as 0.9. Halves go away from zero.
  char buffer[32];
  const auto written =
      toChars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
  *written.ptr = '\0';
  std::string digits;
  digits += buffer[0];
  digits.append(buffer + 2, 14);
  const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
  const int keep = exponent + 1 + decimals;  // digits at or above the last decimal place

  std::string scaled;  // |value| * 10^decimals, rounded, as decimal digits
  if (keep >= 0) {
    scaled = digits.substr(0, std::min<std::size_t>(keep, digits.size()));
    scaled.append(keep > static_cast<int>(digits.size()) ? keep - digits.size() : 0, '0');
    if (keep < static_cast<int>(digits.size()) && digits[keep] >= '5') {
      int i = static_cast<int>(scaled.size()) - 1;
      for (; i >= 0 && scaled[i] == '9'; --i) scaled[i] = '0';
      if (i >= 0)
        ++scaled[i];
      else
        scaled.insert(scaled.begin(), '1');
    }
  }
  if (scaled.size() < static_cast<std::size_t>(decimals) + 1)
    scaled.insert(0, decimals + 1 - scaled.size(), '0');
  const bool zero = scaled.find_first_not_of('0') == std::string::npos;
  std::string out = (value < 0 && !zero) ? "-" : "";
  out.append(scaled, 0, scaled.size() - decimals);
  if (decimals > 0) {
    out += separator;
    out.append(scaled, scaled.size() - decimals);
  }
  return out;
}

std::string formatGeneral(double value, char separator) {
  if (std::isnan(value)) return "-";
  if (std::isinf(value)) return value > 0 ? "∞" : "-∞";
  char buffer[64];
  const auto written = toChars(buffer, buffer + sizeof buffer, value == 0.0 ? 0.0 : value,
                               std::chars_format::general, 15);
  std::string out(buffer, written.ptr);
  for (char& c : out)
    if (c == '.') c = separator;
  return out;
}

std::string formatSignificant(double value, int digits, char separator) {
  if (std::isnan(value)) return "-";
  char buffer[64];
  const auto written =
      toChars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  std::string out(buffer, written.ptr);
  for (char& c : out) c = c == '.' ? separator : c;
  return out;
}

std::string formatShortest(float value, char separator) {
  for (int digits = 1; digits < 9; ++digits) {
    std::string text = formatSignificant(value, digits, '.');
    double read = 0;
    fromChars(text.data(), text.data() + text.size(), read);
    if (static_cast<float>(read) == value) return formatSignificant(value, digits, separator);
  }
  return formatSignificant(value, 9, separator);
}

std::string formatWhole(long long value) { return std::to_string(value); }

std::string formatThousands(long long value, char decimalSeparator) {
  const char group = decimalSeparator == ',' ? '.' : ',';
  const std::string digits = std::to_string(value);
  const std::size_t sign = value < 0 ? 1 : 0;
  std::string out = digits.substr(0, sign);
  for (std::size_t i = sign; i < digits.size(); ++i) {
    if (i > sign && (digits.size() - i) % 3 == 0) out += group;
    out += digits[i];
  }
  return out;
}

}  // namespace varnesk
