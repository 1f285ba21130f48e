#include "layout/spoken_caption.h"

#include <limits>

namespace varnesk {
namespace {

// Farther than this, a label is another control's caption.
constexpr float kNearby = 1500;

std::string trimmed(const std::string& caption) {
  std::string text;
  for (char c : caption) text += (c == '\n' || c == '\t') ? ' ' : c;
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" :.");
  return last == std::string::npos || last < first ? std::string{}
                                                   : text.substr(first, last - first + 1);
}

bool isCaption(const ControlLayout& c) {
  return c.kind == ControlKind::Label && !c.drawnByChart && !c.border && c.visible &&
         !trimmed(c.caption).empty();
}

// How far the label lies from the control, with a penalty for the less usual sides; infinity
// when it is not beside it.
float distance(const ControlLayout& label, const ControlLayout& control) {
  const Box& l = label.box;
  const Box& c = control.box;
  const bool sameRow = l.top < c.top + c.height && c.top < l.top + l.height;
  const bool sameColumn = l.left < c.left + c.width && c.left < l.left + l.width;
  if (sameRow && l.left + l.width <= c.left + 15) return c.left - (l.left + l.width);
  if (sameRow && l.left >= c.left + c.width - 15) return l.left - (c.left + c.width) + 100;
  if (sameColumn && l.top + l.height <= c.top + 15) return c.top - (l.top + l.height) + 50;
  return std::numeric_limits<float>::infinity();
}

}  // namespace

bool needsSpokenCaption(const ControlLayout& c) {
  switch (c.kind) {
    case ControlKind::TextBox:
    case ControlKind::SpinBox:
    case ControlKind::Table:
    case ControlKind::Button:
    case ControlKind::CheckBox: return true;
    case ControlKind::Label: return c.border;
    default: return false;
  }
}

std::string spokenCaption(const WindowLayout& layout, const ControlLayout& control) {
  if (control.kind == ControlKind::Button || control.kind == ControlKind::CheckBox)
    if (std::string own = trimmed(control.caption); !own.empty()) return own;
  const ControlLayout* nearest = nullptr;
  float best = kNearby;
  for (const ControlLayout& c : layout.controls) {
    if (&c == &control || c.container != control.container || !isCaption(c)) continue;
    if (const float d = distance(c, control); d < best) {
      best = d;
      nearest = &c;
    }
  }
  return nearest ? trimmed(nearest->caption) : trimmed(control.toolTip);
}

}  // namespace varnesk
