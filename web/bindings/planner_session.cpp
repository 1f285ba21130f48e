#include "planner_session.h"

#include "engine/window_registry.h"

namespace varnesk {

PlannerSession::PlannerSession(const std::string& seed, const std::string& separator,
                               TextMeasure measure, PopulationSource population)
    : window_(makeLogic<PlannerWindow>(
          "PlannerForm", environment(seed, separator, std::move(measure), std::move(population)))) {
}

std::string PlannerSession::load() {
  const bool ok = window_->Load();
  return eventsAndControls(*window_, ok);
}

std::string PlannerSession::plan(const std::string& margin, const std::string& level) {
  const bool ok = window_->plan(margin, level);
  return eventsAndControls(*window_, ok);
}

std::string PlannerSession::verify(const std::string& margin, const std::string& level,
                                   const std::string& repetitions) {
  const bool ok = window_->verify(margin, level, repetitions);
  return eventsAndControls(*window_, ok);
}

}  // namespace varnesk
