#pragma once
// The steps a window's zoom takes, for the classroom projector: from half size to three times,
// a quarter at a time, never larger than the screen the window is on can show whole. Full
// screen scales the whole content to fill the screen instead, proportions kept and centred.
// Both editions ask these rules; sizes are pixels (device-independent ones on the desktop,
// CSS pixels in the browser).

namespace varnesk {

struct PixelSize {
  double width = 0, height = 0;
};

// Where the content goes on a full screen: its scale and its top-left corner, in pixels.
struct ScreenPlacement {
  double scale = 1, left = 0, top = 0;
  bool operator==(const ScreenPlacement&) const = default;
};

class ZoomSteps {
 public:
  static constexpr double kSmallest = 0.5, kLargest = 3.0, kStep = 0.25;

  // `window` is the whole window at zoom 1 (its frame and menu bar included); `screen` what the
  // screen leaves for windows.
  ZoomSteps(PixelSize window, PixelSize screen);

  // The largest step at which the whole window is on the screen, and at least 1: the window as
  // laid out is always offered, as it opens on any screen.
  double largest() const { return largest_; }

  // The step a zoom asked for becomes: on a step, within the smallest and the largest.
  double fitted(double zoom) const;
  double larger(double zoom) const;   // one step up, up to the largest
  double smaller(double zoom) const;  // one step down, down to the smallest

 private:
  double largest_;
};

// The whole `content` as large as the screen holds it, centred on it.
ScreenPlacement fullScreenPlacement(PixelSize content, PixelSize screen);

// A line `width` pixels wide at `scale`, in whole device pixels and at least one, so that every
// line of one width comes out equally thick wherever it falls.
int evenLineWidth(double width, double scale);

// A position in whole device pixels: lines and box edges start there, so that neighbours keep
// their spacing at any scale.
int devicePixel(double pixels, double scale);

}  // namespace varnesk
