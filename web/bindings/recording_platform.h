#pragma once
// The page cannot be called back in the middle of a run: the window logic's requests (message
// boxes, focus moves, the busy pointer) are kept in order and handed back with the answer to
// the call that made them, and the page replays them.
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

 private:
  std::vector<FrontEndEvent> events_;
};

}  // namespace varnesk
