// Every window's commands: the bar each window shows, the help kept off the right-click menu,
// and no key answering two entries.
#include "engine/window_menu.h"
#include "engine/window_registry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

namespace varnesk {
namespace {

TEST(WindowMenu, EachWindowsBarAndRightClickMenu) {
  // Each menu of the bar with how many entries it holds, Arquivo ending with Sair; how many
  // entries the right-click menu keeps (all but the help and Sair).
  for (const auto& [window, bar, context] :
       {std::tuple{"Form2", "Arquivo 1, Exibir 5, Ajuda 2", 5}, {"Form3", "Arquivo 5, Exibir 6, Simulação 3, Ajuda 2", 13}, {"form1", "Arquivo 5, Exibir 9, Simulação 1, Ajuda 2", 14}, {"Form4", "Arquivo 5, Exibir 9, Simulação 5, Ajuda 2", 18}, {"ComparisonForm", "Arquivo 2, Exibir 6, Ajuda 2", 7}, {"PopulationForm", "Arquivo 1, Exibir 6, Ajuda 2", 6}, {"IntervalForm", "Arquivo 2, Exibir 5, Simulação 3, Ajuda 2", 9}, {"PlannerForm", "Arquivo 1, Exibir 5, Ajuda 2", 5}, {"Form9", "", 0}}) {
    std::string shown;
    for (const MenuBarMenu& menu : menuBar(windowMenu(window)))
      shown += (shown.empty() ? "" : ", ") + menu.caption + " " + std::to_string(menu.entries.size());
    if (!shown.empty()) {
      EXPECT_EQ(menuBar(windowMenu(window)).front().entries.back().caption, "Sair") << window;
    }
    int inContext = 0;
    std::set<std::string> keys;
    for (const MenuEntry& e : windowMenu(window)) {
      inContext += inContextMenu(e);
      for (const std::string& key : e.keys) EXPECT_TRUE(keys.insert(key).second) << key;
    }
    EXPECT_EQ(std::tuple(shown, inContext), std::tuple(std::string(bar), context)) << window;
  }
}

// The projector's theme is in every window, with its tick; the histogram is heard in the four
// windows that draw one, each time after the other entries of Exibir.
TEST(WindowMenu, EveryWindowsThemeAndTheHistogramsSound) {
  std::string heard;
  for (const WindowEntry& window : windowRegistry()) {
    std::vector<std::string> view;
    for (const MenuBarMenu& menu : menuBar(window.menu()))
      if (menu.group == MenuGroup::View)
        for (const MenuEntry& e : menu.entries) view.push_back(e.caption + (e.checkable ? " [x]" : ""));
    const bool hears = view.back() == "Ouvir o histograma";
    if (hears) heard += std::string(heard.empty() ? "" : " ") + std::string(window.name);
    EXPECT_EQ(view[view.size() - (hears ? 2 : 1)], "Alto contraste (projetor) [x]") << window.name;
    EXPECT_EQ(view[view.size() - (hears ? 3 : 2)], "Tela cheia") << window.name;
  }
  EXPECT_EQ(heard, "form1 Form4 ComparisonForm PopulationForm");
}

}  // namespace
}  // namespace varnesk
