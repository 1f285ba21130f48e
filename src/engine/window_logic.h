#pragma once
// What the logic of every window shows its front ends: the state of each control it drives, as
// one list (the desktop's and the page's one applier each set it on the controls of the same
// names), and its drawing. A front end forwards its events to the logic and then shows these.
#include <string_view>

#include <vector>

#include "chart/drawing_list.h"
#include "chart/histogram_tones.h"
#include "common/controls.h"

namespace varnesk {

class WindowLogic {
 public:
  virtual ~WindowLogic() = default;

  virtual ControlStates controls() const = 0;
  // The drawing list of the window's drawing area, for an area of that size in twips; empty for
  // a window that draws nothing. The simulation windows draw on their whole client area, laid
  // out at its one size.
  virtual DrawingList drawing(double /*width*/, double /*height*/) const { return {}; }
  // "Ouvir o histograma": the histogram shown, as tones; none for a window without one, or
  // before there is one.
  virtual std::vector<Tone> tones() const { return {}; }

  // One control's state: a default one, with no name, when the logic does not drive it.
  ControlState control(std::string_view name) const {
    const ControlStates states = controls();
    const ControlState* found = findControl(states, name);
    return found ? *found : ControlState{};
  }
};

}  // namespace varnesk
