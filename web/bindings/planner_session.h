#pragma once
// The page's window "Tamanho da amostra": the window logic with its recorded events, each call
// answered with the JSON text the page reads.
#include <memory>
#include <string>

#include "engine/planner_window.h"
#include "window_session.h"

namespace varnesk {

class PlannerSession : public WindowSession {
 public:
  PlannerSession(const std::string& seed, const std::string& separator, TextMeasure measure,
                 PopulationSource population);

  std::string load();  // ok, events, controls
  // "Calcular" and "Verificar por simulação" with the boxes' texts: ok, events, controls.
  std::string plan(const std::string& margin, const std::string& level);
  std::string verify(const std::string& margin, const std::string& level,
                     const std::string& repetitions);
  std::string controls() const { return controlsOf(*window_); }
  std::string chart(double width, double height) const {
    return drawingOf(window_->drawing(width, height));
  }
  std::string seedLine() const { return window_->seedLine(); }

 private:
  std::unique_ptr<PlannerWindow> window_;
};

}  // namespace varnesk
