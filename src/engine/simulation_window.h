#pragma once
// The logic of the two simulation windows, form1 (instant) and Form4 (step by step), written
// against plain control models. The Qt windows own one of these, forward Load and the clicks
// of Simular to it, and render modelo().
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "chart/scale.h"
#include "common/controls.h"
#include "common/platform.h"
#include "engine/window_model.h"

namespace varnesk {

struct Population;
struct SamplingRun;

struct WindowEnvironment {
  Platform& platform;
  TextMeasure medir;     // captions of the auto-sized labels in the default font, in twips
  char separador = '.';  // the regional decimal separator of the captions
  std::filesystem::path arquivoPopulacao;
  std::function<std::uint64_t()> semente;  // seeds the window's generator at each Load
};

class SimulationWindow {
 public:
  SimulationWindow(WindowKind tipo, WindowEnvironment ambiente);
  ~SimulationWindow();
  SimulationWindow(const SimulationWindow&) = delete;
  SimulationWindow& operator=(const SimulationWindow&) = delete;

  // Load of the window, with the configuration screen's two texts. Returns false when the
  // window must not open (population unreadable, or smaller than the sample size): the
  // message has then been shown and nothing else changed.
  bool Load(const std::string& tamanhoTexto, const std::string& repeticoesTexto);

  // Click of Command1 ("Simular").
  void Simular();
  // The step-by-step window's next `vezes` means at once, as that many clicks would add them.
  void simulateMany(int vezes);

  // The instant window's normal curve of theory over the histogram, off until asked for.
  void showNormalCurve(bool mostrar);
  bool curvaNormalVisivel() const;

  // Where the means shown came from, so that a run seen on the projector can be redone: the
  // seed of the window's generator and which of its runs this is (0 before the first).
  std::uint64_t semente() const;
  int simulacao() const;
  // The same, as the menu's line tells it.
  std::string seedLine() const;
  // The means shown, in the order drawn, for a spreadsheet; the statistics for the clipboard.
  std::string meansCsv() const;
  std::string tabulatedStatistics() const;

  const WindowModel& modelo() const;
  WindowKind tipo() const;

  // What the run left behind, for tests and the command-line tool.
  const SamplingRun& corrida() const;
  const Population& populacao() const;
  const Scale& escala() const;
  // Frequencias: class counts, or percentages in the instant window after a run.
  const std::array<double, kFrequencySlots>& frequencias() const;
  // The step-by-step window's dot radius, from the last Y-axis build.
  float raioPonto() const;

 private:
  struct Estado;
  std::unique_ptr<Estado> estado_;
};

}  // namespace varnesk
