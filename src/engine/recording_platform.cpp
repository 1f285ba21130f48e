#include "engine/recording_platform.h"

#include <utility>

namespace varnesk {

void RecordingPlatform::showMessage(const std::string& text) {
  events_.push_back({FrontEndEvent::Type::Message, text});
}

void RecordingPlatform::setFocus(const std::string& controlName) {
  events_.push_back({FrontEndEvent::Type::Focus, controlName});
}

void RecordingPlatform::setBusy(bool busy) {
  events_.push_back({FrontEndEvent::Type::Busy, {}, busy});
}

std::vector<FrontEndEvent> RecordingPlatform::take() { return std::exchange(events_, {}); }

}  // namespace varnesk
