#include "chart/projector_theme.h"

#include <array>

#include "chart/chart_drawing.h"
#include "chart/interval_chart.h"
#include "chart/population_chart.h"

namespace varnesk {
namespace {

constexpr Color kBlack = Color::rgb(0, 0, 0), kWhite = Color::rgb(255, 255, 255);
constexpr Color kYellow = Color::rgb(240, 228, 66), kSkyBlue = Color::rgb(86, 180, 233);
constexpr Color kOrange = Color::rgb(230, 159, 0);

constexpr std::array kChanges{
    ColorChange{Color::of(SystemColor::ButtonFace), kBlack},
    ColorChange{Color::of(SystemColor::WindowText), kWhite},
    ColorChange{kWhite, kBlack},
    ColorChange{kBlack, kWhite},
    ColorChange{kInactiveCaption, Color::rgb(112, 112, 112)},  // the grid, still behind the rest
    ColorChange{Color::rgb(220, 220, 220), Color::rgb(80, 80, 80)},
    ColorChange{Color::rgb(96, 96, 96), Color::rgb(200, 200, 200)},
    ColorChange{Color::rgb(255, 0, 0), kYellow},   // the columns and the dots
    ColorChange{Color::rgb(128, 0, 0), kBlack},    // the columns' outline, between them
    ColorChange{Color::rgb(0, 0, 255), kSkyBlue},  // the mean lines
    ColorChange{kNormalCurveColor, kWhite},
    ColorChange{kIntervalHit, kSkyBlue},
    ColorChange{kIntervalMiss, kOrange},
    ColorChange{kSampleMeanColor, Color::rgb(255, 120, 60)},
    ColorChange{Color::rgb(255, 255, 192), kBlack},  // the value boxes
};

}  // namespace

const ProjectorTheme& projectorTheme() {
  static constexpr ProjectorTheme theme{kBlack, kWhite, Color::rgb(40, 40, 40), kYellow,
                                        Color::rgb(190, 190, 190)};
  return theme;
}

std::span<const ColorChange> projectorColorChanges() { return kChanges; }

Color projectorColor(const Color& color) {
  for (const ColorChange& change : kChanges)
    if (change.from == color) return change.to;
  return color;
}

DrawingList inProjectorColors(DrawingList drawing) {
  const auto change = [](Color& c) { c = projectorColor(c); };
  const auto changeOptional = [&](std::optional<Color>& c) {
    if (c) change(*c);
  };
  for (DrawingPrimitive& primitive : drawing)
    std::visit(
        [&](auto& p) {
          using P = std::decay_t<decltype(p)>;
          if constexpr (std::is_same_v<P, SnappedBox>) {
            changeOptional(p.fill);
            changeOptional(p.outline);
          } else if constexpr (std::is_same_v<P, PlainBox> || std::is_same_v<P, Dot>) {
            change(p.fill);
            change(p.outline);
          } else if constexpr (std::is_same_v<P, Text>) {
            change(p.color);
            changeOptional(p.background);
          } else {
            change(p.color);
          }
        },
        primitive);
  return drawing;
}

}  // namespace varnesk
