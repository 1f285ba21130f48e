#include "interval_session.h"

#include "engine/window_registry.h"

namespace varnesk {

IntervalSession::IntervalSession(const std::string& seed, const std::string& separator,
                                 TextMeasure measure, PopulationSource population)
    : window_(makeLogic<IntervalWindow>(
          "IntervalForm",
          environment(seed, separator, std::move(measure), std::move(population)))) {}

std::string IntervalSession::load(const std::string& sampleSize, const std::string& repetitions) {
  const bool ok = window_->Load(sampleSize, repetitions);
  return eventsAndControls(*window_, ok);
}

std::string IntervalSession::showNext(int count) {
  window_->showNext(count);
  return eventsAndControls(*window_);
}

std::string IntervalSession::showAll() {
  window_->showAll();
  return eventsAndControls(*window_);
}

std::string IntervalSession::playPause() {
  window_->playPause();
  return eventsAndControls(*window_);
}

std::string IntervalSession::setLevel(const std::string& level) {
  const bool ok = window_->setLevel(level);
  return eventsAndControls(*window_, ok);
}

std::string IntervalSession::setNormal(bool normal) {
  window_->setNormal(normal);
  return eventsAndControls(*window_);
}

std::string IntervalSession::setCorrection(bool correction) {
  window_->setCorrection(correction);
  return eventsAndControls(*window_);
}

std::string IntervalSession::compareCorrection() {
  window_->compareCorrection();
  return eventsAndControls(*window_);
}

}  // namespace varnesk
