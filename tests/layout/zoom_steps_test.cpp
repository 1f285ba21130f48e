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

// A desktop window's client area grows with the zoom, its frame and menu bar do not: the zoom
// kept for a window comes back on any screen that holds it with the frame guessed before the
// window is shown, and a window larger than the screen opens at the largest step below 1 that
// fits. The comparison window, the simulation window and its strip, the step-by-step window;
// their frame as guessed (8 x 32) and a menu bar of 22; screens as the window manager leaves
// them, the last one 2560 x 1440 at scale 2.
TEST(ZoomSteps, ADesktopWindowFitsWithItsFrameAndBarUnscaled) {
  constexpr PixelSize kComparison{900, 727}, kSimulationClient{723, 568}, kStepByStep{723, 600}, kChrome{8, 54};
  // window, screen -> the largest step, the kept 1.25 and 1 as they open
  for (const auto& [window, screen, largest, kept125, kept1] :
       {std::tuple{kComparison, PixelSize{1024, 768}, 0.75, 0.75, 0.75}, {kComparison, {1366, 768}, 0.75, 0.75, 0.75}, {kComparison, {1920, 1080}, 1.25, 1.25, 1.0}, {kComparison, {1280, 720}, 0.75, 0.75, 0.75}, {kSimulationClient, {1024, 768}, 1.25, 1.25, 1.0}, {kSimulationClient, {1366, 768}, 1.25, 1.25, 1.0}, {kSimulationClient, {1920, 1080}, 1.75, 1.25, 1.0}, {kSimulationClient, {1280, 720}, 1.0, 1.0, 1.0}, {kStepByStep, {1366, 768}, 1.0, 1.0, 1.0}, {kStepByStep, {1920, 1080}, 1.5, 1.25, 1.0}, {kComparison, {400, 300}, 0.5, 0.5, 0.5}}) {
    const ZoomSteps steps = ZoomSteps::forDesktop(window, kChrome, screen);
    EXPECT_EQ(std::tuple(steps.largest(), steps.fitted(1.25), steps.fitted(1.0)), std::tuple(largest, kept125, kept1)) << window.height << " on " << screen.width << " x " << screen.height;
  }
  // Ampliar stops at the largest, Reduzir at the smallest, also on a screen too small for either.
  const ZoomSteps small = ZoomSteps::forDesktop(kComparison, kChrome, {1024, 768});
  EXPECT_EQ(std::tuple(small.larger(0.75), small.smaller(0.5), small.larger(0.5)), std::tuple(0.75, 0.5, 0.75));
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
