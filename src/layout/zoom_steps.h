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

  // A window scaled whole, its title and menu bar with it (the page's windows): `window` is the
  // whole window at zoom 1; `screen` what the screen leaves for windows. The largest step is at
  // least 1: the page itself shrinks a window that is larger than it.
  ZoomSteps(PixelSize window, PixelSize screen);

  // A desktop window: its `client` area grows with the zoom, its `chrome` (the frame the window
  // manager draws and the menu bar) keeps its size. The largest step may lie below 1, down to the
  // smallest, for a window that the screen does not hold as laid out.
  static ZoomSteps forDesktop(PixelSize client, PixelSize chrome, PixelSize screen);

  // The largest step at which the whole window is on the screen.
  double largest() const { return largest_; }

  // The step a zoom asked for becomes: on a step, within the smallest and the largest.
  double fitted(double zoom) const;
  double larger(double zoom) const;   // one step up, up to the largest
  double smaller(double zoom) const;  // one step down, down to the smallest

 private:
  ZoomSteps(PixelSize scaled, PixelSize fixed, PixelSize screen, double lowest);

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
