#pragma once
// What the instant window (form1) and the step-by-step window (Form4) do each in their own way:
// their Load and Simular, the seed the teacher types, the playback, and what their run counts.
// Each window's traits name its procedures; the shared ones are SimulationState's.
#include <cstdint>
#include <optional>
#include <string>

#include "engine/shown_sample.h"

namespace varnesk {

struct SimulationState;

class WindowProcedures {
 public:
  virtual ~WindowProcedures() = default;
  // With the configuration screen's two texts; false when the window must not open.
  virtual bool Load(SimulationState& s, const std::string& sampleSize,
                    const std::string& repetitions) const = 0;
  // Click of Command1 ("Simular").
  virtual void simulate(SimulationState& s) const = 0;
  // The window shows run 1 of a seed the teacher typed.
  virtual void setSeed(SimulationState& s, std::uint64_t seed) const = 0;
  // "Reproduzir / Pausar"; nothing in a window without a playback.
  virtual void playPause(SimulationState&) const {}
  // "Reiniciar": the window starts over on the next run of its seeds; nothing in a window whose
  // Simular already draws a new run.
  virtual void restart(SimulationState&) const {}
  // R of the run, as the CSV and the strip write it.
  virtual std::string repetitions(const SimulationState& s) const = 0;
  // Whether the chart shows fewer means than the run has.
  virtual bool partial(const SimulationState&) const { return false; }
  // The sample behind the latest mean shown, drawn again from its own stream.
  virtual std::optional<ShownSample> latestSample(const SimulationState&) const {
    return std::nullopt;
  }
};

const WindowProcedures& instantProcedures();
const WindowProcedures& stepByStepProcedures();

}  // namespace varnesk
