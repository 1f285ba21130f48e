// Every window's commands: the bar each window shows, the keys beside the entries, and the
// right-click menu that keeps what it had.
#include "engine/window_menu.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace varnesk {
namespace {

std::vector<std::string> captions(const std::vector<MenuBarMenu>& bar) {
  std::vector<std::string> out;
  for (const MenuBarMenu& menu : bar) {
    out.push_back(menu.caption + ":");
    for (const MenuEntry& e : menu.entries) out.push_back(e.caption);
  }
  return out;
}

TEST(WindowMenu, EachWindowsBarInOrder) {
  const std::vector<std::string> view{"Exibir:", "Ampliar", "Reduzir", "Tamanho original",
                                      "Tela cheia"};
  const std::vector<std::string> help{"Ajuda:", "Guia do professor", "Sobre o Varnesk"};
  const auto join = [](std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
  };
  const std::vector<std::string> files{"Arquivo:", "Salvar gráfico como PNG…",
                                       "Salvar médias como CSV…", "Copiar estatísticas"};
  struct Case {
    const char* window;
    std::vector<std::string> bar;
  };
  for (const Case& c : {
           Case{"Form2", join({view, help})},
           Case{"Form3", join({view, {"Simulação:", "Comparar tamanhos de amostra…"}, help})},
           Case{"form1", join({files, {"Exibir:", "Mostrar curva normal da teoria"},
                               {view.begin() + 1, view.end()}, help})},
           Case{"Form4",
                join({files, view, {"Simulação:", "Mais 10 médias", "Mais 100 médias"}, help})},
           Case{"ComparisonForm", join({view, help})},
           Case{"Form9", {}},
       }) {
    EXPECT_EQ(captions(menuBar(windowMenu(c.window))), c.bar) << c.window;
  }
}

TEST(WindowMenu, NoKeyAnswersTwoEntriesAndTheHelpStaysOffTheRightClick) {
  for (const char* window : {"Form2", "Form3", "form1", "Form4", "ComparisonForm"}) {
    std::set<std::string> keys;
    std::vector<MenuCommand> context;
    for (const MenuEntry& e : windowMenu(window)) {
      for (const std::string& key : e.keys) EXPECT_TRUE(keys.insert(key).second) << key;
      if (inContextMenu(e)) context.push_back(e.command);
    }
    EXPECT_TRUE(keys.count("F11") && keys.count("Ctrl++") && keys.count("F1")) << window;
    for (MenuCommand c : context) EXPECT_NE(c, MenuCommand::TeacherGuide) << window;
  }
  // The simulation windows' right-click menu: what it always listed, in that order.
  std::vector<MenuCommand> context;
  for (const MenuEntry& e : simulationMenu(kStepByStepWindow))
    if (inContextMenu(e)) context.push_back(e.command);
  using C = MenuCommand;
  EXPECT_EQ(context, (std::vector{C::SaveChart, C::SaveMeans, C::CopyStatistics, C::TenMoreMeans,
                                  C::HundredMoreMeans, C::ZoomIn, C::ZoomOut, C::ActualSize,
                                  C::FullScreen}));
}

TEST(WindowMenu, AboutNamesTheVersionAndTheLicence) {
  const std::string about = aboutText();
  for (const char* part : {"Varnesk " VARNESK_VERSION, "GPL-3.0-or-later", "versão 3 ou posterior"})
    EXPECT_NE(about.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace varnesk
