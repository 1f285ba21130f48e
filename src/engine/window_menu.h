#pragma once
// The teacher's commands beyond the windows' layouts: the right-click menu of each window, its
// entries' captions and keys, and what the save dialogs propose. Both front ends show the same.
#include <optional>
#include <string>
#include <vector>

#include "engine/window_traits.h"

namespace varnesk {

enum class MenuCommand {
  SaveChart,
  SaveMeans,
  CopyStatistics,
  NormalCurve,  // shown or hidden: the entry carries a tick
  TenMoreMeans,
  HundredMoreMeans,
  ZoomIn,
  ZoomOut,
  ActualSize,
  FullScreen,
  CompareSampleSizes,
  ShowPopulation,  // the window "População"
  ShowSample,      // the same, with the sample behind the latest mean marked
};

struct SaveDialog {
  std::string title, fileName, filter;
};

struct MenuEntry {
  MenuCommand command;
  std::string caption;
  std::vector<std::string> keys;  // "Ctrl++", "F11", "N": the keys answer without the menu
  bool checkable = false;
  std::optional<SaveDialog> save;
  int means = 0;  // how many means a batch adds, as that many clicks of Simular would
};

// A simulation window's menu, in order; its seed line (SimulationWindow::seedLine) follows it.
std::vector<MenuEntry> simulationMenu(const WindowTraits& traits);

// The configuration screen's menu.
std::vector<MenuEntry> configurationMenu();

}  // namespace varnesk
