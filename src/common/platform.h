#pragma once
// What the window logic asks of the window around it. The Qt windows implement it; tests use
// a recording fake, so every message and focus move can be checked without a display.
#include <string>

namespace varnesk {

class Platform {
 public:
  virtual ~Platform() = default;
  // A message box with the text, an OK button only, no icon; returns once it is closed.
  virtual void showMessage(const std::string& text) = 0;
  // Keyboard focus to the control of that name (a text box).
  virtual void setFocus(const std::string& controlName) = 0;
  // Busy (hourglass) pointer during a run, default pointer afterwards.
  virtual void setBusy(bool busy) = 0;
};

}  // namespace varnesk
