#pragma once
// Colours of controls and drawings: a red, green, blue triple, or one of the system's colours,
// which each front end takes from the desktop or the browser it runs on.
#include <cstdint>

namespace varnesk {

enum class SystemColor {
  None,        // the triple itself
  ButtonFace,  // the dialog colour: windows, frames and opaque labels
  WindowText,  // captions and the plot frame's outline
};

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  SystemColor system = SystemColor::None;

  static constexpr Color rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return {red, green, blue, SystemColor::None};
  }
  static constexpr Color of(SystemColor s) { return {0, 0, 0, s}; }
  bool operator==(const Color&) const = default;
};

// The grid lines take the colour of an inactive window's caption bar. Desktops other than
// Windows have no such colour; this is the one Windows gives it by default.
inline constexpr Color kInactiveCaption = Color::rgb(191, 205, 219);

}  // namespace varnesk
