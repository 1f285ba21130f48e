#pragma once
// What the windows take from outside: message boxes, ending the program, the population file
// and the seed of each run. The program uses the real ones; the window tests answer the
// message boxes themselves and keep the program alive.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "engine/population_choice.h"
#include "engine/population_preview.h"
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

  // The teacher's population: the choice `population` gives, kept for the next start by
  // `remember`, and the two questions asked while choosing (Unknown, nothing: cancelled).
  // Without a choice the windows take no population of their own.
  std::shared_ptr<PopulationChoice> choice = nullptr;
  std::function<void(const RememberedPopulation&)> remember = nullptr;
  std::function<CommaAnswer(QWidget* owner, const QString& question)> askCommas = nullptr;
  std::function<std::optional<std::size_t>(QWidget* owner, const QString& prompt,
                                           const PopulationPreview& preview)>
      chooseColumn = nullptr;
  // Whether pasted text, as the question describes it, replaces the population; none: it does.
  std::function<bool(QWidget* owner, const QString& question)> usePasted = nullptr;
  std::filesystem::path dataFolder = {};  // where pasted text is kept
};

// The program's own: a modal message box titled "Varnesk" without an icon, the end of the
// event loop, a short seed picked for each run, and the population chosen in the program
// (populacao.txt beside it until the teacher chooses one), its questions as dialogs, kept in
// the settings.
UiServices programServices();

// The decimal separator of the user's regional settings, as the number formats want it.
char regionalDecimalSeparator();

}  // namespace varnesk::ui
