#include "common/font.h"

#include <array>
#include <string_view>

namespace varnesk {

std::string displayedText(const std::string& caption, FontFamily family) {
  if (family != FontFamily::Symbol) return caption;
  // The Symbol font's letters a..z, in its own order of Greek stand-ins (UTF-8).
  static constexpr std::array<std::string_view, 26> kGreek{
      "α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
      "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
  std::string shown;
  for (char c : caption) {
    if (c >= 'a' && c <= 'z')
      shown += kGreek[static_cast<std::size_t>(c - 'a')];
    else
      shown += c;
  }
  return shown;
}

}  // namespace varnesk
