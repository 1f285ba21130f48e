#include "engine/window_menu.h"

namespace varnesk {

namespace {
MenuEntry populationEntry() {
  return {MenuCommand::ShowPopulation, "População…", {"Ctrl+P"}, false, std::nullopt};
}
}  // namespace

std::vector<MenuEntry> simulationMenu(const WindowTraits& traits) {
  using C = MenuCommand;
  std::vector<MenuEntry> menu{
      {C::SaveChart,
       "Salvar gráfico como PNG…",
       {},
       false,
       SaveDialog{"Salvar gráfico", "grafico.png", "Imagens PNG (*.png)"}},
      {C::SaveMeans,
       "Salvar médias como CSV…",
       {},
       false,
       SaveDialog{"Salvar médias", "medias.csv", "Planilhas CSV (*.csv)"}},
      {C::CopyStatistics, "Copiar estatísticas", {}, false, std::nullopt},
  };
  if (traits.normalCurve)
    menu.push_back({C::NormalCurve, "Mostrar curva normal da teoria", {"N"}, true, std::nullopt});
  if (traits.stepByStep) {
    menu.push_back({C::TenMoreMeans, "Mais 10 médias", {"D"}, false, std::nullopt, 10});
    menu.push_back({C::HundredMoreMeans, "Mais 100 médias", {"C"}, false, std::nullopt, 100});
  }
  menu.push_back(populationEntry());
  if (traits.stepByStep)
    menu.push_back({C::ShowSample, "Mostrar amostra", {"A"}, false, std::nullopt});
  menu.push_back({C::ZoomIn, "Ampliar", {"Ctrl++", "Ctrl+="}, false, std::nullopt});
  menu.push_back({C::ZoomOut, "Reduzir", {"Ctrl+-"}, false, std::nullopt});
  menu.push_back({C::ActualSize, "Tamanho original", {"Ctrl+0"}, false, std::nullopt});
  menu.push_back({C::FullScreen, "Tela cheia", {"F11"}, false, std::nullopt});
  return menu;
}

std::vector<MenuEntry> configurationMenu() {
  return {{MenuCommand::CompareSampleSizes,
           "Comparar tamanhos de amostra…",
           {"Ctrl+T"},
           false,
           std::nullopt},
          populationEntry()};
}

}  // namespace varnesk
