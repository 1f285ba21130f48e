#include "chart/interval_chart.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/number_text.h"

namespace varnesk {
namespace {

constexpr double kPixel = 15;
// Room for the X labels below the plot and for μ's caption above it.
constexpr double kSide = 20 * kPixel, kTop = 22 * kPixel, kBottom = 26 * kPixel;
constexpr Color kAxis = Color::rgb(96, 96, 96), kGrid = Color::rgb(220, 220, 220),
                kMu = Color::rgb(0, 0, 0), kWhite = Color::rgb(255, 255, 255);

// A round step (1, 2 or 5 times a power of ten) that cuts the range in about five.
double roundStep(double range) {
  const double raw = range / 5;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 5.0})
    if (m * power >= raw) return m * power;
  return 10 * power;
}

Text text(std::string caption, double x, double y, double width, Alignment alignment,
          const TextMeasure& measure) {
  const double height = measure ? measure(caption).height : 195;
  return Text{std::move(caption),
              x,
              y,
              width,
              height,
              kDefaultFont,
              Color::of(SystemColor::WindowText),
              std::nullopt,
              alignment,
              VerticalAlignment::Top};
}

}  // namespace

DrawingList intervalChart(std::span<const ShownInterval> latest, int rows, double mu, double low,
                          double high, double width, double height, const TextMeasure& measure,
                          char separator) {
  DrawingList out{Fill{kWhite}};
  const double left = kSide, right = width - kSide, top = kTop, bottom = height - kBottom;
  if (right <= left || bottom <= top || !(high > low) || rows <= 0) return out;
  const auto x = [&](double v) { return left + (v - low) / (high - low) * (right - left); };
  const double step = roundStep(high - low);
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step))));
  for (double tick = std::ceil(low / step) * step; tick <= high + step * 1e-9; tick += step) {
    const double at = x(tick);
    out.push_back(GridLine{at, top, at, bottom, kGrid, 1});
    out.push_back(GridLine{at, bottom, at, bottom + 4 * kPixel, kAxis, 1});
    out.push_back(text(formatFixed(tick, decimals, separator), at - 40 * kPixel,
                       bottom + 6 * kPixel, 80 * kPixel, Alignment::Center, measure));
  }
  out.push_back(GridLine{left, bottom, right, bottom, kAxis, 1});

  const double row = (bottom - top) / rows;
  const double mark = std::clamp(row / 2, 1.5 * kPixel, 3 * kPixel);
  for (std::size_t i = 0; i < latest.size(); ++i) {
    const ShownInterval& s = latest[i];
    const double y = bottom - (static_cast<double>(i) + 0.5) * row;
    const Color color = s.contains ? kIntervalHit : kIntervalMiss;
    out.push_back(PlainLine{{x(s.lower), y}, {x(s.upper), y}, color, s.contains ? 1 : 2});
    if (s.contains) {
      out.push_back(Dot{x(s.mean), y, mark * 0.8, color, color});
    } else {
      const double c = x(s.mean);
      out.push_back(PlainLine{{c - mark, y - mark}, {c + mark, y + mark}, color, 2});
      out.push_back(PlainLine{{c - mark, y + mark}, {c + mark, y - mark}, color, 2});
    }
  }
  const double m = x(mu);
  out.push_back(PlainLine{{m, top - 4 * kPixel}, {m, bottom}, kMu, 2});
  out.push_back(text("μ = " + formatFixed(mu, 3, separator), m - 60 * kPixel, 2 * kPixel,
                     120 * kPixel, Alignment::Center, measure));
  return out;
}

}  // namespace varnesk
