#pragma once
// Reading numbers out of what users type and writing numbers into captions.
#include <string>
#include <string_view>

namespace varnesk {

// The number at the start of a text box: leading blanks skipped, '.' as the decimal point
// whatever the regional settings, an optional exponent ("1e3"). Text that does not start with
// a number reads as 0; a number too large for a double reads as +/-infinity.
double parseLeadingNumber(std::string_view text);

// Nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// Fixed patterns "#0.0" / "#0.000": at least one integer digit, exactly `decimals` after the
// separator, halves away from zero, no thousands separator.
std::string formatFixed(double value, int decimals, char separator);

// General number format: as few digits as the value needs (up to 15 significant).
std::string formatGeneral(double value, char separator);

// A value with `digits` significant digits, shortest form ("0.0442926", "1.5"); NaN reads "-".
std::string formatSignificant(double value, int digits, char separator);

// A single-precision value as the shortest text that reads back as the same single (1.815, not
// 1.81500006), as a spreadsheet should show what the panel shows.
std::string formatShortest(float value, char separator);

// Counters in text boxes ("100", "1000").
std::string formatWhole(long long value);

// A whole number for a sentence, its thousands grouped as the regional settings group them:
// "50.000" where the decimal separator is ',', "50,000" where it is '.'.
std::string formatThousands(long long value, char decimalSeparator);

}  // namespace varnesk
