// Captions written with "#0.0" / "#0.000" and the general format read back as the value they
// show, whatever the double: the right shape, the right digits, no "-0.000".
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "check.h"
#include "common/number_text.h"

using namespace varnesk;

namespace {

bool fixedShape(const std::string& s, int decimals) {
  std::size_t i = s[0] == '-' ? 1 : 0;
  const std::size_t point = s.find('.');
  const std::size_t integerEnd = decimals > 0 ? point : s.size();
  if (integerEnd == std::string::npos || integerEnd == i) return false;
  if (s[i] == '0' && integerEnd - i > 1) return false;  // no leading zeros
  for (; i < integerEnd; ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  if (decimals == 0) return true;
  if (s.size() - point - 1 != static_cast<std::size_t>(decimals)) return false;
  for (i = point + 1; i < s.size(); ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

void checkFixed(double v, int decimals) {
  const std::string text = formatFixed(v, decimals, '.');
  VARNESK_CHECK(fixedShape(text, decimals));
  std::string comma = text;
  for (char& c : comma)
    if (c == '.') c = ',';
  VARNESK_CHECK(formatFixed(v, decimals, ',') == comma);

  // Read back in long double: 15 significant digits of a value near the largest double may
  // lie beyond it.
  const long double shown = std::strtold(text.c_str(), nullptr);
  // Rounded first to 15 significant digits, then to the last decimal place.
  const long double tolerance =
      0.5L * std::pow(10.0L, -decimals) * (1 + 1e-12L) + std::fabs(static_cast<long double>(v)) * 1e-14L;
  VARNESK_CHECK(std::fabs(shown - v) <= tolerance);
  if (text[0] == '-') VARNESK_CHECK(shown != 0 && v < 0);
}

void checkGeneral(double v) {
  const std::string text = formatGeneral(v, '.');
  VARNESK_CHECK(text.find(',') == std::string::npos);
  const long double shown = std::strtold(text.c_str(), nullptr);
  VARNESK_CHECK(std::fabs(shown - v) <= std::fabs(static_cast<long double>(v)) * 1e-14L);
  std::string comma = text;
  for (char& c : comma)
    if (c == '.') c = ',';
  VARNESK_CHECK(formatGeneral(v, ',') == comma);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Eight bytes give any double, subnormals and NaN payloads included; the ninth the decimals.
  if (size < 9) return 0;
  double v;
  std::memcpy(&v, data, sizeof v);
  const int decimals = data[8] % 7;
  if (std::isnan(v)) {
    VARNESK_CHECK(formatFixed(v, decimals, '.') == "-" && formatGeneral(v, '.') == "-");
    return 0;
  }
  if (std::isinf(v)) return 0;
  checkFixed(v, decimals);
  checkGeneral(v);
  return 0;
}
