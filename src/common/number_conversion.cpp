#include "common/number_conversion.h"

#include <version>

#if defined(__cpp_lib_to_chars) && !defined(VARNESK_PORTABLE_FALLBACKS)
#define VARNESK_STD_FLOAT_CHARCONV 1
#else
#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#endif

namespace varnesk {

#if defined(VARNESK_STD_FLOAT_CHARCONV)

std::from_chars_result fromChars(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value);
}

std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
  return std::to_chars(first, last, value, format, precision);
}

#else

namespace {

// The C library reads and writes the decimal point of the current locale.
std::string_view localeDecimalPoint() { return std::localeconv()->decimal_point; }

// What a number in the C locale may hold: digits, '.', signs, and letters and '(', ')', '_'
// for exponents, "inf" and "nan(...)".
bool mayBeInNumber(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' ||
         c == '+' || c == '-' || c == '(' || c == ')' || c == '_';
}

}  // namespace

std::from_chars_result fromChars(const char* first, const char* last, double& value) {
  // A copy ends at the first character no number holds: the text need not end in '\0', and
  // strtod must not take the locale's own decimal point (a comma) from it.
  std::string text(first, std::find_if_not(first, last, mayBeInNumber));
  // strtod takes a leading '+' and blanks, which from_chars refuses, and hexadecimal, which
  // from_chars reads as its "0".
  if (text.empty() || text[0] == '+') return {first, std::errc::invalid_argument};
  const std::size_t digits = text[0] == '-';
  if (text.size() > digits + 1 && text[digits] == '0' && (text[digits + 1] | 0x20) == 'x')
    text.resize(digits + 1);
  const std::string_view decimalPoint = localeDecimalPoint();
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, decimalPoint);

  const int savedErrno = errno;
  errno = 0;
  char* end = nullptr;
  const double parsed = std::strtod(text.c_str(), &end);
  // strtod also says ERANGE for a subnormal result, which from_chars returns as it is.
  const bool outOfRange = errno == ERANGE && (parsed == 0 || std::isinf(parsed));
  errno = savedErrno;

  auto used = static_cast<std::size_t>(end - text.c_str());
  if (used == 0) return {first, std::errc::invalid_argument};
  if (point != std::string::npos && used > point) used -= decimalPoint.size() - 1;
  if (outOfRange) return {first + used, std::errc::result_out_of_range};
  value = parsed;
  return {first + used, std::errc()};
}

std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision) {
  // What to_chars writes is printf's %.*g or %.*e in the C locale.
  const char* pattern = format == std::chars_format::scientific ? "%.*e" : "%.*g";
  std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, pattern, precision, value)),
                   '\0');
  std::snprintf(text.data(), text.size() + 1, pattern, precision, value);
  const std::string_view decimalPoint = localeDecimalPoint();
  if (const std::size_t point = text.find(decimalPoint); point != std::string::npos)
    text.replace(point, decimalPoint.size(), ".");
  if (text.size() > static_cast<std::size_t>(last - first))
    return {last, std::errc::value_too_large};
  return {std::copy(text.begin(), text.end(), first), std::errc()};
}

#endif

}  // namespace varnesk
