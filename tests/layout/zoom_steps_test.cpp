// The zoom's steps on the screens classrooms have, full screen, and lines of even thickness.
#include "layout/zoom_steps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

namespace varnesk {
namespace {

// The step-by-step window with its menu bar (723 x 566 with the frame's title left out) and
// the configuration screen, on the work areas of common screens.
constexpr PixelSize kSimulation{723, 566}, kConfiguration{427, 179};

TEST(ZoomSteps, TheLargestStepIsTheLargestThatFitsTheScreen) {
  struct Case {
    PixelSize window, screen;
    double largest;
  };
  for (const Case& c : {
           Case{kSimulation, {1024, 740}, 1.25},   // a projector, less a panel
           Case{kSimulation, {1366, 740}, 1.25},   // 1.5 x 566 = 849 does not fit 740
           Case{kSimulation, {1920, 1050}, 1.75},  // 2 x 566 = 1132 does not fit 1050
           Case{kSimulation, {3840, 2100}, 3.0},   // never above three times
           Case{kSimulation, {723, 566}, 1.0},     // exactly the screen still fits
           Case{kSimulation, {722, 566}, 1.0},  // as laid out is always offered
           Case{kSimulation, {360, 640}, 1.0},
           Case{kConfiguration, {1024, 740}, 2.25},
       }) {
    EXPECT_EQ(ZoomSteps(c.window, c.screen).largest(), c.largest)
        << c.window.width << "x" << c.window.height << " on " << c.screen.width << "x"
        << c.screen.height;
  }
}

TEST(ZoomSteps, StepsStayOnTheGridAndWithinTheScreen) {
  const ZoomSteps projector(kSimulation, {1024, 740});  // up to 1.25
  const ZoomSteps large(kSimulation, {3840, 2100});      // up to 3
  struct Case {
    const ZoomSteps& steps;
    double zoom, larger, smaller, fitted;
  };
  for (const Case& c : {
           Case{projector, 1.0, 1.25, 0.75, 1.0},
           Case{projector, 1.25, 1.25, 1.0, 1.25},  // the largest does not grow
           Case{projector, 3.0, 1.25, 1.0, 1.25},   // a zoom kept from a larger screen
           Case{projector, 0.5, 0.75, 0.5, 0.5},    // the smallest does not shrink
           Case{projector, 0.1, 0.75, 0.5, 0.5},
           Case{projector, 1.1, 1.25, 0.75, 1.0},  // off the grid: onto the step below
           Case{projector, 1.2499999, 1.25, 1.0, 1.25},  // a setting read back
           Case{projector, NAN, 1.25, 0.75, 1.0},       // a setting unreadable
           Case{large, 2.75, 3.0, 2.5, 2.75},
           Case{large, 3.0, 3.0, 2.75, 3.0},
       }) {
    EXPECT_EQ(c.steps.larger(c.zoom), c.larger) << c.zoom;
    EXPECT_EQ(c.steps.smaller(c.zoom), c.smaller) << c.zoom;
    EXPECT_EQ(c.steps.fitted(c.zoom), c.fitted) << c.zoom;
  }
  // Up from the smallest and down from the largest pass every step once.
  std::set<double> up, down;
  for (double z = ZoomSteps::kSmallest; up.insert(z).second; z = large.larger(z)) {}
  for (double z = ZoomSteps::kLargest; down.insert(z).second; z = large.smaller(z)) {}
  EXPECT_EQ(up, down);
  EXPECT_EQ(up.size(), 11u);
}

TEST(ZoomSteps, FullScreenFillsOneSideAndCentresTheOther) {
  struct Case {
    PixelSize content, screen;
    ScreenPlacement placement;
  };
  for (const Case& c : {
           Case{{800, 600}, {1024, 768}, {1.28, 0, 0}},             // same proportions: all of it
           Case{{723, 566}, {1024, 768}, {768.0 / 566, 21, 0}},     // height fills, centred across
           Case{{1000, 400}, {1024, 768}, {1.024, 0, 179}},         // width fills, centred below
           Case{{400, 400}, {1920, 1080}, {2.7, 420, 0}},
           Case{{0, 566}, {1024, 768}, {1, 0, 0}},                  // nothing to scale
       }) {
    const ScreenPlacement p = fullScreenPlacement(c.content, c.screen);
    EXPECT_DOUBLE_EQ(p.scale, c.placement.scale) << c.content.width;
    EXPECT_EQ(std::tuple(p.left, p.top), std::tuple(c.placement.left, c.placement.top))
        << c.content.width;
  }
}

TEST(ZoomSteps, EveryLineOfOneWidthIsEquallyThickAtEveryStep) {
  // Whole device pixels from the width alone: a width taken between the scaled edges would
  // alternate at 1.5 (one pixel, then two) as the line's position moves.
  struct Case {
    double width, scale;
    int device;
  };
  for (const Case& c : {Case{1, 1, 1}, Case{1, 0.5, 1}, Case{1, 0.75, 1}, Case{1, 1.25, 1},
                        Case{1, 1.5, 2}, Case{2, 1.25, 3}, Case{3, 1.5, 5}, Case{1, 3, 3},
                        Case{3, 0.5, 2}}) {
    EXPECT_EQ(evenLineWidth(c.width, c.scale), c.device) << c.width << " at " << c.scale;
  }
  for (const auto& [pixels, scale, device] :
       {std::tuple{7.0, 1.5, 11}, std::tuple{8.0, 1.5, 12}, std::tuple{0.0, 2.0, 0},
        std::tuple{3.0, 1.25, 4}}) {
    EXPECT_EQ(devicePixel(pixels, scale), device) << pixels << " at " << scale;
  }
}

}  // namespace
}  // namespace varnesk
