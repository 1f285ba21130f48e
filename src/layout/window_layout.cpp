#include "layout/window_layout.h"

#include <algorithm>
#include <stdexcept>

namespace varnesk {

const ControlLayout* WindowLayout::find(std::string_view controlName) const {
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [&](const ControlLayout& c) { return c.name == controlName; });
  return found == controls.end() ? nullptr : &*found;
}

const ControlLayout& WindowLayout::control(std::string_view controlName) const {
  if (const ControlLayout* found = find(controlName)) return *found;
  throw std::out_of_range(name + " has no control " + std::string(controlName));
}

}  // namespace varnesk
