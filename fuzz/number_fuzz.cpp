// Number text both ways. Any bytes typed in a text box read as the number that the C library's
// strtod finds at their start, never NaN; the first eight bytes taken as a double, written with
// "#0.0", "#0.000" or the general format, read back as the value they show.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "check.h"
#include "common/number_text.h"

using namespace varnesk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  // Characters that can belong to a number or the blanks before it: strtod reads some others
  // differently (hexadecimal, "inf", "nan").
  const std::string head = text.substr(0, text.find_first_not_of("0123456789.eE+- \t\n\r"));
  const double value = parseLeadingNumber(text), expected = std::strtod(head.c_str(), nullptr);
  check(!std::isnan(value) && value == expected && std::signbit(value) == std::signbit(expected));

  double v;
  if (size < 9 || (std::memcpy(&v, data, sizeof v), !std::isfinite(v))) return 0;
  const int decimals = data[8] % 7;
  const std::string fixed = formatFixed(v, decimals, '.'), general = formatGeneral(v, '.');
  // -?digits, no leading zero, exactly `decimals` after the point, never "-0.000".
  const std::size_t start = fixed[0] == '-', point = decimals ? fixed.find('.') : fixed.size();
  check(point != std::string::npos && point > start &&
        fixed.size() - point == static_cast<std::size_t>(decimals + (decimals > 0)));
  check(fixed.find_first_not_of("0123456789.", start) == std::string::npos);
  check(fixed[start] != '0' || point == start + 1);
  // Read back in long double: rounded to 15 significant digits, then to the last decimal place.
  const long double shown = std::strtold(fixed.c_str(), nullptr), exact = v;
  check(std::fabs(shown - exact) <= 0.5L * std::pow(10.0L, -decimals) * (1 + 1e-12L) + std::fabs(exact) * 1e-14L);
  check(start == 0 || (shown != 0 && v < 0));
  check(std::fabs(std::strtold(general.c_str(), nullptr) - exact) <= std::fabs(exact) * 1e-14L);
  return 0;
}
