#include "population_session.h"

#include "engine/window_registry.h"

namespace varnesk {

PopulationSession::PopulationSession(const std::string& separator, TextMeasure measure,
                                     PopulationSource population)
    : window_(makeLogic<PopulationWindow>(
          "PopulationForm",
          environment("", separator, std::move(measure), std::move(population)))) {}

}  // namespace varnesk
