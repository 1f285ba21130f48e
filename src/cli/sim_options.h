#pragma once
// The checks of varnesk-sim's two numbers, the same as the configuration screen and the
// instant window make, and the lines it prints.
#include <optional>
#include <string>
#include <vector>

#include "stats/statistics.h"

namespace varnesk {

// The message for a sample size or a number of repetitions out of range, checked in the
// order the windows check them; nothing when both pass.
std::optional<std::string> validarEntradas(const std::string& tamanho, const std::string& repeticoes);

// The panel as seven lines "Caption: value", left to right as the window shows it.
std::vector<std::string> linhasPainel(const Statistics& estatisticas);

}  // namespace varnesk
