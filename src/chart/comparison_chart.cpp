#include "chart/comparison_chart.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "common/number_text.h"

namespace varnesk {

namespace {

// The picture was drawn in pixels; its margins and gaps stay whole pixels at any size.
constexpr double kTwipsPerPixel = 15;
constexpr double kLeftMargin = 90, kRightMargin = 20, kBottomMargin = 36;

constexpr Color kBlack = Color::rgb(0, 0, 0);
constexpr Color kWhite = Color::rgb(255, 255, 255);
constexpr Color kBarFill = Color::rgb(255, 0, 0);
constexpr Color kBarOutline = Color::rgb(128, 0, 0);
constexpr Color kMeanLine = Color::rgb(0, 0, 255);  // as the step-by-step window's mean line

// A renderer divides by 15 and gets these pixels back, to the last bit but for one value in
// sixteen, which comes back one unit in the last place away.
double tw(double pixels) { return pixels * kTwipsPerPixel; }

// The twips of a bar's edge and length whose far edge, as a renderer adds them up in pixels, is
// the one the pixel computation gives. Bars end on whole pixels (the last one at the axis' end,
// every one on its band's base line), where one unit in the last place moves an outline by a
// pixel. The nearest twips come first; a unit in the last place either way is tried after them.
std::pair<double, double> edgeAndLength(double edge, double length) {
  const double farEdge = edge + length, nearest = tw(edge);
  for (double edgeTwips :
       {nearest, std::nextafter(nearest, -HUGE_VAL), std::nextafter(nearest, HUGE_VAL)}) {
    const double shownEdge = edgeTwips / kTwipsPerPixel;
    double lengthTwips = tw(farEdge - shownEdge);
    for (int step = 0; step < 3; ++step) lengthTwips = std::nextafter(lengthTwips, -HUGE_VAL);
    for (int step = 0; step < 7; ++step, lengthTwips = std::nextafter(lengthTwips, HUGE_VAL))
      if (shownEdge + lengthTwips / kTwipsPerPixel == farEdge) return {edgeTwips, lengthTwips};
  }
  return {nearest, tw(length)};
}

PlainLine line(double x1, double y1, double x2, double y2, Color color, int width = 1) {
  return {{tw(x1), tw(y1)}, {tw(x2), tw(y2)}, color, width};
}

Text label(std::string text, double left, double top, double width, double height,
           Alignment alignment, VerticalAlignment vertical) {
  // Black, in the default font, on the white beneath.
  return {std::move(text), tw(left), tw(top), tw(width), tw(height),
          kDefaultFont,    kBlack,   {},      alignment, vertical};
}

}  // namespace

DrawingList comparisonChart(std::span<const std::int32_t> sizes, const SharedHistograms& histograms,
                            double populationMean, double width, double height, char separator) {
  DrawingList list{Fill{kWhite}};
  if (sizes.empty()) return list;
  const double areaWidth = width / kTwipsPerPixel, areaHeight = height / kTwipsPerPixel;
  const double left = kLeftMargin, plotWidth = areaWidth - kLeftMargin - kRightMargin;
  const double rowHeight = (areaHeight - kBottomMargin) / static_cast<double>(sizes.size());
  const int classes = static_cast<int>(histograms.counts.front().size());
  const double end = histograms.start + classes * histograms.width;
  const auto x = [&](double value) {
    return left + (value - histograms.start) / (end - histograms.start) * plotWidth;
  };

  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const std::vector<int>& counts = histograms.counts[i];
    const double base = (static_cast<double>(i) + 1) * rowHeight - 4;
    const int largest = std::max(1, *std::max_element(counts.begin(), counts.end()));
    list.push_back(label("n = " + std::to_string(sizes[i]), 0, base - rowHeight + 4,
                         kLeftMargin - 8, rowHeight - 4, Alignment::Right,
                         VerticalAlignment::Middle));
    // Each histogram fills its own band: its shape, not its area.
    for (int c = 0; c < classes; ++c) {
      const int count = counts[static_cast<std::size_t>(c)];
      if (count == 0) continue;
      const double barHeight = (rowHeight - 12) * count / largest;
      const auto [barLeft, barWidth] =
          edgeAndLength(x(histograms.start + c * histograms.width), plotWidth / classes);
      const auto [barTop, barHeightTwips] = edgeAndLength(base - barHeight, barHeight);
      list.push_back(PlainBox{barLeft, barTop, barWidth, barHeightTwips, kBarFill, kBarOutline});
    }
    list.push_back(line(left, base, left + plotWidth, base, kInactiveCaption));
  }
  const double axis = areaHeight - kBottomMargin + 2;
  list.push_back(line(left, axis, left + plotWidth, axis, kBlack));
  for (double mark : axisMarks(histograms.start, end, 8)) {
    list.push_back(line(x(mark), axis, x(mark), axis + 4, kBlack));
    list.push_back(label(formatSignificant(mark, 6, separator), x(mark) - 40, axis + 6, 80, 20,
                         Alignment::Center, VerticalAlignment::Top));
  }
  list.push_back(line(x(populationMean), 0, x(populationMean), axis, kMeanLine, 2));
  return list;
}

}  // namespace varnesk
