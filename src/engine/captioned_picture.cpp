#include "engine/captioned_picture.h"

#include "chart/chart_drawing.h"
#include "chart/svg_writer.h"
#include "engine/sampling_run.h"
#include "engine/simulation_window.h"
#include "layout/window_layouts.h"

namespace varnesk {
namespace {

// One line of the default font per 16 pixels, a margin of 4 above and below, 8 at the sides.
constexpr float kLineHeight = 240, kMargin = 60, kSide = 120;

}  // namespace

CaptionedPicture captionedPicture(const SimulationWindow& window) {
  const WindowLayout& layout = simulationLayout(window.traits().kind);
  CaptionedPicture picture{chartRegion(layout), {}};
  picture.drawing = chartPicture(window.chart(), layout, picture.region);
  float top = picture.region.top + picture.region.height + kMargin;
  for (const std::string& line : captionLines(window.chartCaption())) {
    picture.drawing.push_back(Text{line, kSide, top, picture.region.width - 2 * kSide, kLineHeight,
                                   kDefaultFont, Color::of(SystemColor::WindowText), std::nullopt,
                                   Alignment::Left, VerticalAlignment::Middle});
    top += kLineHeight;
  }
  picture.region.height = top + kMargin - picture.region.top;
  return picture;
}

std::string chartSvg(const SimulationWindow& window) {
  const CaptionedPicture picture = captionedPicture(window);
  return svgDocument(picture.drawing, picture.region);
}

bool hasChartToSave(const SimulationWindow& window) {
  return window.run().sortedMeans.ContagemOrdenadas > 0;
}

}  // namespace varnesk
