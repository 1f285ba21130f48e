#include "engine/window_menu.h"

#include <array>

#include "engine/window_registry.h"

namespace varnesk {
namespace {

using C = MenuCommand;
using G = MenuGroup;

MenuEntry entry(G group, C command, std::string caption, std::vector<std::string> keys = {}) {
  MenuEntry e{command, std::move(caption), std::move(keys), false, std::nullopt, 0, group};
  return e;
}

// Every window zooms, goes full screen and opens the help.
void addViewAndHelp(std::vector<MenuEntry>& menu) {
  menu.push_back(entry(G::View, C::ZoomIn, "Ampliar", {"Ctrl++", "Ctrl+="}));
  menu.push_back(entry(G::View, C::ZoomOut, "Reduzir", {"Ctrl+-"}));
  menu.push_back(entry(G::View, C::ActualSize, "Tamanho original", {"Ctrl+0"}));
  menu.push_back(entry(G::View, C::FullScreen, "Tela cheia", {"F11"}));
  menu.push_back(entry(G::View, C::HighContrast, "Alto contraste (projetor)"));
  menu.back().checkable = true;
  menu.push_back(entry(G::Help, C::TeacherGuide, "Guia do professor", {"F1"}));
  menu.push_back(entry(G::Help, C::About, "Sobre o Varnesk"));
  menu.push_back(entry(G::File, C::Exit, "Sair"));  // the last of Arquivo
}

// After the other entries of Exibir, in the windows that draw a histogram.
MenuEntry listenEntry() { return entry(G::View, C::PlayHistogram, "Ouvir o histograma", {"H"}); }

// The population the windows read, beside the other things a window shows.
MenuEntry populationEntry() { return entry(G::View, C::ShowPopulation, "População…", {"Ctrl+P"}); }

}  // namespace

std::vector<MenuEntry> simulationMenu(const WindowTraits& traits) {
  // Each entry, and the window trait it needs (none: every simulation window has it).
  struct Offered {
    MenuEntry entry;
    bool WindowTraits::*only = nullptr;
  };
  std::vector<Offered> offered{
      {entry(G::File, C::SaveChart, "Salvar gráfico (PNG)…")},
      {entry(G::File, C::SaveChartSvg, "Salvar gráfico (SVG)…")},
      {entry(G::File, C::SaveMeans, "Salvar médias como CSV…")},
      {entry(G::File, C::CopyStatistics, "Copiar estatísticas")},
      {entry(G::View, C::NormalCurve, "Mostrar curva normal da teoria", {"N"}),
       &WindowTraits::normalCurve},
      {entry(G::Simulation, C::TenMoreMeans, "Mais 10 médias", {"D"}), &WindowTraits::stepByStep},
      {entry(G::Simulation, C::HundredMoreMeans, "Mais 100 médias", {"C"}),
       &WindowTraits::stepByStep},
      {entry(G::Simulation, C::PlayPause, "Reproduzir / Pausar", {"P"}), &WindowTraits::stepByStep},
      {entry(G::Simulation, C::SetSeed, "Definir semente…")},
      {populationEntry()},
      {entry(G::View, C::ShowSample, "Mostrar amostra", {"A"}), &WindowTraits::stepByStep},
      {entry(G::Simulation, C::Restart, "Reiniciar", {"R"}), &WindowTraits::stepByStep},
      {entry(G::View, C::PopulationMean, "Mostrar média da população", {"M"}),
       &WindowTraits::populationMeanOption},
  };
  offered[0].entry.save = SaveDialog{"Salvar gráfico", "grafico.png", "Imagens PNG (*.png)"};
  offered[1].entry.save = SaveDialog{"Salvar gráfico", "grafico.svg", "Imagens SVG (*.svg)"};
  offered[2].entry.save = SaveDialog{"Salvar médias", "medias.csv", "Planilhas CSV (*.csv)"};
  offered[4].entry.checkable = true;
  offered[12].entry.checkable = true;
  offered[5].entry.means = 10;
  offered[6].entry.means = 100;
  offered[8].entry.input =
      InputDialog{"Definir semente", "Semente (o mesmo número refaz a mesma simulação):"};
  std::vector<MenuEntry> menu;
  for (const Offered& o : offered)
    if (!o.only || traits.*o.only) menu.push_back(o.entry);
  addViewAndHelp(menu);
  menu.push_back(listenEntry());
  return menu;
}

std::vector<MenuEntry> configurationMenu() {
  std::vector<MenuEntry> menu{
      entry(G::Simulation, C::CompareSampleSizes, "Comparar tamanhos de amostra…", {"Ctrl+T"}),
      entry(G::File, C::OpenPopulation, "Abrir população…", {"Ctrl+O"}),
      entry(G::File, C::PastePopulation, "Colar população", {"Ctrl+V"}),
      entry(G::File, C::ProgramPopulation, "Usar população padrão", {}),
      entry(G::File, C::UndoPopulation, "Desfazer troca de população", {}),
      populationEntry(),
      entry(G::Simulation, C::ShowIntervals, "Intervalos de confiança…", {"Ctrl+I"}),
      entry(G::Simulation, C::PlanSampleSize, "Tamanho da amostra…", {"Ctrl+M"})};
  addViewAndHelp(menu);
  return menu;
}

std::vector<MenuEntry> startMenu() {
  std::vector<MenuEntry> menu;
  addViewAndHelp(menu);
  return menu;
}

std::vector<MenuEntry> comparisonMenu() {
  std::vector<MenuEntry> menu{
      entry(G::File, C::SaveComparison, "Salvar tabela como CSV…", {"Ctrl+S"})};
  menu[0].save = SaveDialog{"Salvar tabela", "comparacao.csv", "Planilhas CSV (*.csv)"};
  addViewAndHelp(menu);
  menu.push_back(listenEntry());
  return menu;
}

std::vector<MenuEntry> populationMenu() {
  std::vector<MenuEntry> menu = startMenu();
  menu.push_back(listenEntry());
  return menu;
}

std::vector<MenuEntry> intervalMenu() {
  std::vector<MenuEntry> menu{
      entry(G::File, C::SaveIntervals, "Salvar intervalos como CSV…", {"Ctrl+S"}),
      entry(G::Simulation, C::TenMoreMeans, "Mais 10 amostras", {"D"}),
      entry(G::Simulation, C::HundredMoreMeans, "Mais 100 amostras", {"C"}),
      entry(G::Simulation, C::PlayPause, "Reproduzir / Pausar", {"P"})};
  menu[0].save = SaveDialog{"Salvar intervalos", "intervalos.csv", "Planilhas CSV (*.csv)"};
  menu[1].means = 10;
  menu[2].means = 100;
  addViewAndHelp(menu);
  return menu;
}

std::vector<MenuEntry> windowMenu(std::string_view windowName) {
  const WindowEntry* window = findWindow(windowName);
  return window ? window->menu() : std::vector<MenuEntry>{};
}

std::vector<MenuBarMenu> menuBar(const std::vector<MenuEntry>& entries) {
  std::vector<MenuBarMenu> bar;
  for (G group : {G::File, G::View, G::Simulation, G::Help}) {
    MenuBarMenu menu{group, std::string(groupCaption(group)), {}};
    for (const MenuEntry& e : entries)
      if (e.group == group) menu.entries.push_back(e);
    if (!menu.entries.empty()) bar.push_back(std::move(menu));
  }
  return bar;
}

std::string_view groupCaption(MenuGroup group) {
  constexpr std::array<std::string_view, 4> kCaptions{"Arquivo", "Exibir", "Simulação", "Ajuda"};
  return kCaptions[static_cast<std::size_t>(group)];
}

bool inContextMenu(const MenuEntry& entry) {
  return entry.group != MenuGroup::Help && entry.command != MenuCommand::Exit;
}

std::string aboutText() {
  return "Varnesk " VARNESK_VERSION
         "\nEstimativa amostral da taxa média de perda\n\n"
         "Licença: GNU General Public License, versão 3 ou posterior (GPL-3.0-or-later).\n"
         "Este programa é software livre: pode ser redistribuído e modificado sob os termos "
         "dessa licença. É distribuído sem nenhuma garantia.";
}

}  // namespace varnesk
