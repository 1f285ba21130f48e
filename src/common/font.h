#pragma once
// The fonts the windows were drawn with. Each front end maps a family to the face that stands in
// for it on its system (DejaVu Sans, Liberation Sans, a browser's sans-serif).
#include <string>

namespace varnesk {

enum class FontFamily { MsSansSerif, Verdana, Arial, Symbol };

struct Font {
  FontFamily family = FontFamily::MsSansSerif;
  float points = 8.25f;
  bool bold = false;
  bool operator==(const Font&) const = default;
};

// MS Sans Serif 8.25 pt: every control without a font of its own.
inline constexpr Font kDefaultFont{};

// What a caption typed for the Symbol font shows: its Latin letters as the Greek ones that font
// draws in their place ("d" is a small delta). Other families show the caption as it is.
std::string displayedText(const std::string& caption, FontFamily family);

}  // namespace varnesk
