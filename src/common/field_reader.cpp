#include "common/field_reader.h"

#include <algorithm>
#include <cmath>

#include "common/number_conversion.h"

namespace varnesk {

bool FieldReader::anyNumber(const char* first, const char* last, double& value) {
  withPeriod_.assign(first, last);
  if (mark_ != '.') std::replace(withPeriod_.begin(), withPeriod_.end(), mark_, '.');
  const char* end = withPeriod_.data() + withPeriod_.size();
  const auto [ptr, ec] = fromChars(withPeriod_.data(), end, value);
  // inf, nan and values beyond a double's range are no loss rates.
  return ec == std::errc() && ptr == end && std::isfinite(value);
}

}  // namespace varnesk
