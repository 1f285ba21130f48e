// What a student types in a text box reads as the number at its start, the same number that
// the C library's strtod finds there; never NaN, whatever the bytes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "check.h"
#include "common/number_text.h"

namespace {

// Characters that can belong to a number or to the blanks before it. Any other character ends
// a number, and strtod would read some of them differently (hexadecimal, "inf", "nan").
constexpr std::string_view kNumberCharacters = "0123456789.eE+- \t\n\r";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = varnesk::parseLeadingNumber(text);
  VARNESK_CHECK(!std::isnan(value));

  const std::string head(text.substr(0, text.find_first_not_of(kNumberCharacters)));
  VARNESK_CHECK(varnesk::parseLeadingNumber(head) == value);

  // The program never changes the C locale, so strtod's decimal point is '.' here too.
  const double expected = std::strtod(head.c_str(), nullptr);
  VARNESK_CHECK(value == expected);
  VARNESK_CHECK(std::signbit(value) == std::signbit(expected));
  return 0;
}
