// The zoom's steps on the screens classrooms have, full screen, and lines of even thickness.
#include "layout/zoom_steps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace varnesk {
namespace {

// The step-by-step window with its menu bar and the configuration screen, in pixels.
constexpr PixelSize kSimulation{723, 566}, kConfiguration{427, 179};

TEST(ZoomSteps, TheLargestStepIsTheLargestThatFitsTheScreen) {
  // A projector less a panel; a laptop (1.5 x 566 = 849 > 740); full HD (2 x 566 > 1050); never
  // above three times; the exact screen; never below as laid out; the configuration screen.
  for (const auto& [window, screen, largest] :
       {std::tuple{kSimulation, PixelSize{1024, 740}, 1.25}, {kSimulation, {1366, 740}, 1.25}, {kSimulation, {1920, 1050}, 1.75}, {kSimulation, {3840, 2100}, 3.0}, {kSimulation, {723, 566}, 1.0}, {kSimulation, {360, 640}, 1.0}, {kConfiguration, {1024, 740}, 2.25}}) {
    EXPECT_EQ(ZoomSteps(window, screen).largest(), largest) << screen.width;
  }
}

TEST(ZoomSteps, StepsStayOnTheGridAndWithinTheScreen) {
  const ZoomSteps projector(kSimulation, {1024, 740}), large(kSimulation, {3840, 2100});
  // zoom -> one step larger, one smaller, the zoom itself on a step that fits: the largest does
  // not grow, a zoom kept from a larger screen comes down, the smallest does not shrink, a zoom
  // off the grid goes to the step below, a setting read back or unreadable.
  for (const auto& [steps, zoom, larger, smaller, fitted] :
       {std::tuple{&projector, 1.0, 1.25, 0.75, 1.0}, {&projector, 1.25, 1.25, 1.0, 1.25}, {&projector, 3.0, 1.25, 1.0, 1.25}, {&projector, 0.5, 0.75, 0.5, 0.5}, {&projector, 1.1, 1.25, 0.75, 1.0}, {&projector, 1.2499999, 1.25, 1.0, 1.25}, {&projector, double(NAN), 1.25, 0.75, 1.0}, {&large, 2.75, 3.0, 2.5, 2.75}}) {
    EXPECT_EQ(std::tuple(steps->larger(zoom), steps->smaller(zoom), steps->fitted(zoom)),
              std::tuple(larger, smaller, fitted))
        << zoom;
  }
}

TEST(ZoomSteps, FullScreenFillsOneSideAndCentresTheOther) {
  // Same proportions: all of it; height fills, centred across; width fills, centred below;
  // nothing to scale.
  for (const auto& [content, screen, placement] :
       {std::tuple{PixelSize{800, 600}, PixelSize{1024, 768}, ScreenPlacement{1.28, 0, 0}},
        {{723, 566}, {1024, 768}, {768.0 / 566, 21, 0}},
        {{1000, 400}, {1024, 768}, {1.024, 0, 179}},
        {{0, 566}, {1024, 768}, {1, 0, 0}}}) {
    const ScreenPlacement p = fullScreenPlacement(content, screen);
    EXPECT_DOUBLE_EQ(p.scale, placement.scale) << content.width;
    EXPECT_EQ(std::tuple(p.left, p.top), std::tuple(placement.left, placement.top));
  }
}

TEST(ZoomSteps, EveryLineOfOneWidthIsEquallyThickAtEveryStep) {
  // Whole device pixels from the width alone: a width taken between the scaled edges would
  // alternate at 1.5 (one pixel, then two) as the line's position moves.
  for (const auto& [width, scale, device] :
       {std::tuple{1.0, 0.5, 1}, {1.0, 1.25, 1}, {1.0, 1.5, 2}, {2.0, 1.25, 3}, {3.0, 1.5, 5}}) {
    EXPECT_EQ(evenLineWidth(width, scale), device) << width << " at " << scale;
  }
}

}  // namespace
}  // namespace varnesk
