#pragma once
// A Platform that records what the window logic asks of it, and a fixed text measure.
#include <string>
#include <vector>

#include "common/controls.h"
#include "common/platform.h"

namespace varnesk::testing {

struct Circle {
  float x, y, radius;
  bool operator==(const Circle&) const = default;
};

class RecordingPlatform : public Platform {
 public:
  void showMessage(const std::string& text) override { events.push_back("message: " + text); messages.push_back(text); }
  void setFocus(const std::string& name) override { events.push_back("focus: " + name); }
  void setBusy(bool busy) override { events.push_back(busy ? "busy" : "idle"); }
  void clearSurface() override {
    ++clears;
    circles.clear();
  }
  void drawCircle(float x, float y, float radius) override { circles.push_back({x, y, radius}); }

  std::vector<std::string> events;
  std::vector<std::string> messages;
  std::vector<Circle> circles;  // what the surface shows now
  int clears = 0;
};

// Every character 90 twips wide and 195 high, as a "0" in the default font.
inline SizeF fixedMeasure(const std::string& text) { return {90.0f * static_cast<float>(text.size()), 195.0f}; }

}  // namespace varnesk::testing
