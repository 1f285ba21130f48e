#pragma once
// Floating-point from_chars and to_chars. LLVM's libc++ gained them late (the releases that
// emscripten ships have neither), so where the library's feature-test macro says they are
// missing, or a build defines VARNESK_PORTABLE_FALLBACKS, the C library's strtod and snprintf
// stand in, with the same results: both are correctly rounded in glibc and musl, and here
// they read and write '.' as the decimal point whatever the locale (the desktop program sets
// the user's).
#include <charconv>

namespace varnesk {

// std::from_chars(first, last, value): the general format, '.' as the decimal point.
std::from_chars_result fromChars(const char* first, const char* last, double& value);

// std::to_chars(first, last, value, format, precision) for the general and scientific formats.
std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision);

}  // namespace varnesk
