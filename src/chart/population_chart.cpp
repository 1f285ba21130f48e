#include "chart/population_chart.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "chart/chart_drawing.h"
#include "chart/grid.h"
#include "chart/x_axis.h"
#include "chart/y_axis.h"
#include "common/number_text.h"
#include "layout/window_layouts.h"

namespace varnesk {
namespace {

// Room for the Y labels and the unit on the left, the X labels below.
constexpr float kLeft = 900, kTop = 150, kRight = 300, kBottom = 450;
// From the frame's bottom to the sample's band: room for the X labels.
constexpr double kBandGap = 360;
constexpr double kTwipsPerPixel = 15;

ChartModel emptyChart(float width, float height, float band, const TextMeasure& measure) {
  ChartModel chart;
  chart.Shape1 = {kLeft, kTop, std::max(width - kLeft - kRight, 300.0f),
                  std::max(height - kTop - kBottom - band, 300.0f)};
  chart.Coluna.resize(kColumns);
  for (std::span<Label> labels : {std::span<Label>(chart.RotuloY), std::span<Label>(chart.RotuloX)})
    for (Label& label : labels) {
      label.autoSize = true;
      label.setCaption("0", measure);
    }
  chart.MediaLIN.visible = false;
  return chart;
}

// Captions every labelEvery-th boundary with the decimals of that step, centred on it.
void labelBoundaries(ChartModel& chart, const PopulationHistogram& h, float slot,
                     const TextMeasure& measure, char separator) {
  const long long first = std::llround(h.start / h.scale.AmplitudeClasse);
  for (int i = 0; i <= h.scale.NumeroClasses; ++i) {
    Label& label = chart.RotuloX[static_cast<std::size_t>(i)];
    const long long position = first + i;
    label.visible = ((position % h.labelEvery) + h.labelEvery) % h.labelEvery == 0;
    label.setCaption(formatFixed(h.start + i * h.scale.AmplitudeClasse, h.labelDecimals, separator),
                     measure);
    label.left = chart.Shape1.left + static_cast<float>(i) * slot - label.width / 2;
  }
}

// The sample in its band under the X axis: dots stacked where values lie closer than a dot's
// width, a small histogram of its own. When the tallest stack would not fit the band, each dot
// stands for as many values as make it fit, and the caption says how many.
void addSample(DrawingList& out, const ChartModel& chart, const PopulationHistogram& h, float slot,
               const SampleOverlay& sample, char separator) {
  const Rect& frame = chart.Shape1;
  const auto x = [&](double value) {
    return frame.left + (value - h.start) / h.scale.AmplitudeClasse * slot;
  };
  constexpr double radius = 3 * kTwipsPerPixel;
  const double top = chart.bottom() + kBandGap, bottom = top + kSampleBand;
  std::map<long long, int> stacks;
  for (double v : sample.values) ++stacks[std::llround(x(v) / (2 * radius))];
  int tallest = 1;
  for (const auto& [at, count] : stacks) tallest = std::max(tallest, count);
  const int room = static_cast<int>((kSampleBand - kSampleCaption) / (2 * radius));
  const int perDot = (tallest + room - 1) / room;
  const std::string n = formatThousands(static_cast<long long>(sample.values.size()), separator);
  out.push_back(Text{
      perDot == 1 ? "Amostra (n = " + n + "): um ponto por valor"
                  : "Amostra (n = " + n + "): cada ponto, " + std::to_string(perDot) + " valores",
      frame.left, top, frame.width, kSampleCaption, kDefaultFont,
      Color::of(SystemColor::WindowText), std::nullopt});
  std::map<long long, int> placed;
  for (double v : sample.values) {
    int& seen = placed[std::llround(x(v) / (2 * radius))];
    if (seen++ % perDot != 0) continue;
    const double y = bottom - radius - 2 * radius * ((seen - 1) / perDot);
    out.push_back(Dot{x(v), y, radius, kSampleColor, Color::rgb(0, 0, 0)});
  }
  out.push_back(PlainLine{{x(sample.mean), frame.top},
                          {x(sample.mean), bottom},
                          kSampleMeanColor,
                          3,
                          LineStyle::Dashed});
}

}  // namespace

DrawingList populationChart(const PopulationHistogram& h,
                            const std::optional<SampleOverlay>& sample, double width, double height,
                            const TextMeasure& measure, char separator) {
  DrawingList out{Fill{Color::of(SystemColor::ButtonFace)}};
  if (h.counts.empty()) return out;
  ChartModel chart = emptyChart(
      static_cast<float>(width), static_cast<float>(height),
      sample ? static_cast<float>(kBandGap + kSampleBand + 60 - kBottom) : 0.0f, measure);
  ChartState state;
  MontarGrade(chart, state);
  state.scale = h.scale;
  // The instant window's X axis lays out the slots and the grid; its labels are then set
  // for this histogram's own class width.
  MontarEixoX(kInstantChart, chart, state, {{}, h.start, 0.0f}, measure, separator);
  const float slot = chart.Shape1.width / static_cast<float>(h.scale.NumeroClasses + 1);
  labelBoundaries(chart, h, slot, measure, separator);
  std::copy(h.counts.begin(), h.counts.end(), state.Frequencias.begin());
  MontarEixoY(chart, state, h.count, measure, separator);
  for (int i = 0; i <= h.scale.NumeroClasses; ++i) {
    Rect& column = chart.Coluna[static_cast<std::size_t>(i)];
    column.height = std::min(column.height, chart.Shape1.height);
    column.top = chart.bottom() - column.height;
  }
  Line& mean = chart.MediaLIN;
  mean.x1 = mean.x2 =
      chart.Shape1.left + static_cast<float>((h.mean - h.start) / h.scale.AmplitudeClasse) * slot;
  mean.y1 = chart.Shape1.top;
  mean.y2 = chart.bottom();
  mean.visible = true;

  const WindowLayout& layout = simulationLayout(WindowKind::Instant);
  const DrawingList drawn = drawChart(chart, layout);
  out.insert(out.end(), drawn.begin(), drawn.end());
  const ControlLayout& unit = layout.control("Label8");  // "%", the unit of the Y axis
  out.push_back(Text{unit.caption, 150, chart.Shape1.top + chart.Shape1.height / 2 - 120,
                     unit.box.width, unit.box.height, unit.font, Color::of(SystemColor::WindowText),
                     std::nullopt});
  if (sample) addSample(out, chart, h, slot, *sample, separator);
  return out;
}

}  // namespace varnesk
