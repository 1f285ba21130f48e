#pragma once
// What the windows take from outside: message boxes, ending the program, the population file
// and the seed of each run. The program uses the real ones; the window tests answer the
// message boxes themselves and keep the program alive.
#include <QString>
#include <cstdint>
#include <functional>

#include "engine/population_source.h"

class QWidget;

namespace varnesk::ui {

struct UiServices {
  // Shows the text with an OK button only and returns once the user has closed it.
  std::function<void(QWidget* owner, const QString& text)> showMessage;
  // Sair do Programa and the start screen's close box.
  std::function<void()> endProgram;
  // The population a window reads when it opens.
  std::function<PopulationSource()> population;
  // The seed given on the command line; empty: each run picks a short seed of its own.
  std::function<std::uint64_t()> seed;
};

// The program's own: a modal message box titled "Varnesk" without an icon, the end of the
// event loop, populacao.txt beside the program and a short seed picked for each run.
UiServices programServices();

// The decimal separator of the user's regional settings, as the number formats want it.
char regionalDecimalSeparator();

}  // namespace varnesk::ui
