#include "layout/zoom_steps.h"

#include <algorithm>
#include <cmath>

namespace varnesk {
namespace {

// The step nearest below (or at) `zoom`; a hair of tolerance so that 1.25 read back from a
// setting as 1.2499999 stays 1.25.
double stepAtOrBelow(double zoom) {
  return std::floor(zoom / ZoomSteps::kStep + 1e-6) * ZoomSteps::kStep;
}

}  // namespace

ZoomSteps::ZoomSteps(PixelSize window, PixelSize screen) : ZoomSteps(window, {}, screen, 1.0) {}

ZoomSteps ZoomSteps::forDesktop(PixelSize client, PixelSize chrome, PixelSize screen) {
  return ZoomSteps(client, chrome, screen, kSmallest);
}

ZoomSteps::ZoomSteps(PixelSize scaled, PixelSize fixed, PixelSize screen, double lowest)
    : largest_(lowest) {
  for (double step = kLargest; step > lowest; step -= kStep) {
    if (scaled.width * step + fixed.width <= screen.width &&
        scaled.height * step + fixed.height <= screen.height) {
      largest_ = step;
      break;
    }
  }
}

double ZoomSteps::fitted(double zoom) const {
  if (!std::isfinite(zoom)) return 1.0;
  return std::clamp(stepAtOrBelow(zoom), kSmallest, largest_);
}

double ZoomSteps::larger(double zoom) const { return fitted(fitted(zoom) + kStep); }

double ZoomSteps::smaller(double zoom) const {
  return std::clamp(fitted(zoom) - kStep, kSmallest, largest_);
}

ScreenPlacement fullScreenPlacement(PixelSize content, PixelSize screen) {
  if (content.width <= 0 || content.height <= 0) return {};
  const double scale = std::min(screen.width / content.width, screen.height / content.height);
  return {scale, std::floor((screen.width - content.width * scale) / 2),
          std::floor((screen.height - content.height * scale) / 2)};
}

int evenLineWidth(double width, double scale) {
  return std::max(1, static_cast<int>(std::lround(width * scale)));
}

int devicePixel(double pixels, double scale) {
  return static_cast<int>(std::lround(pixels * scale));
}

}  // namespace varnesk
