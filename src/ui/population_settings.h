#pragma once
// The chosen population between starts, in the program's settings.
#include "engine/population_choice.h"

namespace varnesk::ui {

RememberedPopulation rememberedPopulation();
void rememberPopulation(const RememberedPopulation& population);

}  // namespace varnesk::ui
