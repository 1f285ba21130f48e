#pragma once
// Plain models of the window controls that the logic reads and writes. Geometry is in twips,
// relative to the control's container; the Qt windows render these models.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace varnesk {

struct SizeF {
  float width = 0;
  float height = 0;
};

// Measures a caption in the default font, in twips. The program passes Qt's font metrics;
// tests pass a fixed fake.
using TextMeasure = std::function<SizeF(const std::string&)>;

// What a window's logic says of one of its controls, the same for every kind: a label's caption,
// a box's text, a button's caption, a table's rows (one a line, cells separated by tabs), or, for
// the chart, its text alternative. Both front ends apply such a list to the controls of the same
// names, so no window is mirrored by hand.
struct ControlState {
  std::string name;
  std::string text;
  bool enabled = true;
  bool visible = true;
  bool checked = false;  // a check box ticked, a toggle button held down (a playback that plays)
  bool operator==(const ControlState&) const = default;
};

using ControlStates = std::vector<ControlState>;

// The state whose text tells a window's chart in one sentence (HistogramDescription), read out
// by each front end whenever it changes; no control has this name.
inline constexpr std::string_view kChartDescription = "ChartDescription";

// The state of the control of that name in the list; nullptr when the list has none.
inline const ControlState* findControl(const ControlStates& states, std::string_view name) {
  for (const ControlState& state : states)
    if (state.name == name) return &state;
  return nullptr;
}

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
