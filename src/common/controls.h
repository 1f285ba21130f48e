#pragma once
// Plain models of the window controls that the logic reads and writes. Geometry is in twips,
// relative to the control's container; the Qt windows render these models.
#include <functional>
#include <string>

namespace varnesk {

struct SizeF {
  float width = 0;
  float height = 0;
};

// Measures a caption in the default font, in twips. The program passes Qt's font metrics;
// tests pass a fixed fake.
using TextMeasure = std::function<SizeF(const std::string&)>;

struct TextBox {
  std::string name;
  std::string text;
  bool enabled = true;
};

// A button's caption never changes: the front ends take it from the window's description.
struct Button {
  std::string name;
  bool enabled = true;
};

struct Label {
  std::string name;
  std::string caption;
  float left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool autoSize = false;

  // An auto-sized label takes the size of its caption again each time the caption changes.
  void setCaption(std::string text, const TextMeasure& measure) {
    caption = std::move(text);
    if (autoSize && measure) {
      const SizeF size = measure(caption);
      width = size.width;
      height = size.height;
    }
  }
};

struct Line {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool visible = true;
};

struct Rect {
  float left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
};

}  // namespace varnesk
