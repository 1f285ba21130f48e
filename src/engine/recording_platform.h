#pragma once
// What the window logic asks of its front end (message boxes, focus moves, the busy pointer),
// kept in order: the page cannot be called back in the middle of a run, so its module hands them
// back with the answer to the call that made them and the page replays them; the core tests read
// them the same way.
#include <string>
#include <vector>

#include "common/platform.h"

namespace varnesk {

struct FrontEndEvent {
  enum class Type { Message, Focus, Busy } type;
  std::string text;  // the message, or the name of the control to focus
  bool on = false;   // busy pointer on or off
  bool operator==(const FrontEndEvent&) const = default;
};

class RecordingPlatform : public Platform {
 public:
  void showMessage(const std::string& text) override;
  void setFocus(const std::string& controlName) override;
  void setBusy(bool busy) override;

  // The events since the last take, in order; the record starts afresh.
  std::vector<FrontEndEvent> take();
  const std::vector<FrontEndEvent>& events() const { return events_; }

 private:
  std::vector<FrontEndEvent> events_;
};

}  // namespace varnesk
