#pragma once
// The teacher's commands beyond the windows' layouts: each window's entries, their captions and
// keys, the menu of the window's bar each belongs to, and what the save dialogs propose. The
// right-click menu lists the same entries but the help. Both front ends show the same.
#include <optional>
#include <string>
#include <string_view>
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
  TeacherGuide,
  About,
  OpenPopulation,     // a file the teacher picks
  PastePopulation,    // a column copied from a spreadsheet
  ProgramPopulation,  // back to the program's own populacao.txt
  PlayPause,       // the step-by-step window adds its means one by one, by the clock, until paused
  SetSeed,         // the teacher types the seed of the run to show
  SaveChartSvg,    // the chart with its caption, for slides and handouts
  SaveComparison,  // the comparison window's table, as a CSV
  ShowPopulation,  // the window "População"
  ShowSample,      // the same, with the sample behind the latest mean marked
  ShowIntervals,   // the window "Intervalos de confiança"
  PlanSampleSize,  // the window "Tamanho da amostra"
  SaveIntervals,   // every interval shown, as a CSV
  Exit,            // closes the window, as its own close button does; ends the program on Form2
  Restart,         // the step-by-step window's run drawn anew, from the next run of its seeds
  PopulationMean,  // the instant window's line at μ, shown or hidden: the entry carries a tick
  UndoPopulation,  // the population chosen before the last change comes back
  HighContrast,    // the projector's theme, on or off in every window: the entry carries a tick
  PlayHistogram,   // the histogram's classes heard as tones, left to right
};

// The menus of a window's bar, in the bar's order.
enum class MenuGroup { File, View, Simulation, Help };

struct SaveDialog {
  std::string title, fileName, filter;
};

// What a dialog that asks for one line of text shows.
struct InputDialog {
  std::string title, prompt;
};

struct MenuEntry {
  MenuCommand command;
  std::string caption;
  std::vector<std::string> keys;  // "Ctrl++", "F11", "N": the keys answer without the menu
  bool checkable = false;
  std::optional<SaveDialog> save;
  int means = 0;  // how many means a batch adds, as that many clicks of Simular would
  MenuGroup group = MenuGroup::Simulation;          // where the window's bar shows it
  std::optional<InputDialog> input = std::nullopt;  // what the entry asks for before it acts
};

// One menu of a window's bar: its caption and its entries, in the window's order.
struct MenuBarMenu {
  MenuGroup group;
  std::string caption;
  std::vector<MenuEntry> entries;
};

// A simulation window's menu, in order; its seed line (SimulationWindow::seedLine) follows it.
std::vector<MenuEntry> simulationMenu(const WindowTraits& traits);

// The configuration screen's menu.
std::vector<MenuEntry> configurationMenu();

// The start screen's: the zoom, the theme and the help. The comparison window's: saving its
// table, then the same and hearing its histograms; the population view's: the same as the start
// screen's, then hearing its histogram.
std::vector<MenuEntry> startMenu();
std::vector<MenuEntry> comparisonMenu();
std::vector<MenuEntry> populationMenu();
// The confidence intervals window's: saving its intervals, batches of samples, the playback, and
// every window's zoom and help.
std::vector<MenuEntry> intervalMenu();

// By window name, as the window registry lists its menu; empty for another name.
std::vector<MenuEntry> windowMenu(std::string_view windowName);

// The bar of a window with these entries: its menus in the bar's order, the empty ones left out.
std::vector<MenuBarMenu> menuBar(const std::vector<MenuEntry>& entries);

// "Arquivo", "Exibir", "Simulação", "Ajuda".
std::string_view groupCaption(MenuGroup group);

// The right-click menu leaves out the help and Sair, which the bar shows.
bool inContextMenu(const MenuEntry& entry);

// What "Sobre o Varnesk" says: the program, its version and its licence.
std::string aboutText();

}  // namespace varnesk
