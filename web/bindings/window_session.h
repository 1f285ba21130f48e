#pragma once
// What every window's object in the module shares: the platform that records what the window's
// logic asks of the page (messages, focus moves, the busy pointer), and the answers that hand
// those events back with the state of the window's controls.
#include <optional>
#include <string>

#include "core_json.h"
#include "engine/recording_platform.h"
#include "engine/window_environment.h"
#include "engine/window_logic.h"

namespace varnesk {

class WindowSession {
 protected:
  // What the window's logic is made with in the page: its seed given as text, its regional
  // separator as "," or else ".".
  WindowEnvironment environment(const std::string& seed, const std::string& separator,
                                TextMeasure measure, PopulationSource population);

  // {"ok"?, "events", "controls"}: with `ok` when the call says whether it was taken.
  std::string eventsAndControls(const WindowLogic& logic, std::optional<bool> ok = std::nullopt);
  // {"ok", "controls"}: a call that shows no message.
  static std::string okAndControls(bool ok, const WindowLogic& logic);
  // {"nothing", "events"}: before a save, the message that there is nothing to save yet.
  std::string nothingToSaveAnswer(bool nothing);
  // {"tones":[{"frequency","seconds"}...], "events"}: the histogram heard; with no tone, the
  // message that there is nothing to hear yet.
  std::string tonesAnswer(const WindowLogic& logic);
  // The list alone, and a drawing list.
  static std::string controlsOf(const WindowLogic& logic);
  static std::string drawingOf(const DrawingList& drawing);

  RecordingPlatform platform_;
};

}  // namespace varnesk
