#pragma once
// The logic of the window "População": the population the simulation windows read, as a teacher
// checks it before drawing samples (its file, N, mean, standard deviation with divisor N,
// minimum, maximum, how the file was read) with its histogram, and, from the step-by-step
// window, the sample behind the latest mean marked over that histogram. A front end owns one,
// shows its controls() in the labels of the same names and paints drawing() on PopulationChart.
#include <optional>
#include <string>
#include <vector>

#include "chart/drawing_list.h"
#include "chart/population_histogram.h"
#include "common/controls.h"
#include "engine/population_format.h"
#include "engine/population_source.h"
#include "engine/shown_sample.h"
#include "engine/window_environment.h"
#include "engine/window_logic.h"

namespace varnesk {

struct Population;

class PopulationWindow : public WindowLogic {
 public:
  explicit PopulationWindow(const WindowEnvironment& environment);

  // Reads the environment's population. When it cannot be read, MessageLBL holds the reader's
  // message and nothing of an earlier population stays shown; false.
  bool Load();
  // A population a simulation window has read already.
  void show(const Population& population, const PopulationFormat& format,
            const std::string& fileName);
  // Marks the sample over the histogram; nothing: says that no mean has been shown yet.
  void showSample(const std::optional<ShownSample>& sample);

  // FileNameLBL, the value boxes, MessageLBL and SampleLBL, with their captions, and the
  // histogram in one sentence (ChartDescription).
  ControlStates controls() const override;
  // PopulationChart for a drawing area of that size in twips.
  DrawingList drawing(double width, double height) const override;
  std::vector<Tone> tones() const override;

 private:
  ControlState& label(const std::string& name);
  void clear(const std::string& fileName);

  PopulationSource source_;
  char separator_;
  TextMeasure measure_;
  ControlStates labels_;
  PopulationHistogram histogram_;
  std::optional<ShownSample> sample_;
  std::string description_;
};

}  // namespace varnesk
