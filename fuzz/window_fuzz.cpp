// The windows' logic fed with what users bring: the two texts of the configuration screen and
// any population file. Whatever comes in, the screen refuses it, the window refuses to open
// with one message, or the run completes with every mean inside the population's range and
// every column and dot inside the chart frame.
//
// Input: the sample-size text, a line break, the repetitions text, a line break, then the
// bytes of populacao.txt.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "check.h"
#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/population.h"
#include "engine/sampling_run.h"
#include "engine/simulation_window.h"

using namespace varnesk;

namespace {

class CountingPlatform : public Platform {
 public:
  void showMessage(const std::string&) override { ++messages; }
  void setFocus(const std::string&) override {}
  void setBusy(bool b) override { busy = b; }
  void clearSurface() override { dots.clear(); }
  void drawCircle(float x, float y, float radius) override { dots.push_back({x, y, radius}); }

  struct Dot {
    float x, y, radius;
  };
  int messages = 0;
  bool busy = false;
  std::vector<Dot> dots;
};

SizeF measure(const std::string& text) { return {90.0f * static_cast<float>(text.size()), 195.0f}; }

const std::string& populationFile() {
  static const std::string path = [] {
    std::string pattern = "/tmp/varnesk_fuzz_window_XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    VARNESK_CHECK(fd >= 0);
    ::close(fd);
    std::atexit([] { std::remove(populationFile().c_str()); });
    return pattern;
  }();
  return path;
}

void write(std::string_view bytes) {
  std::FILE* f = std::fopen(populationFile().c_str(), "wb");
  VARNESK_CHECK(f != nullptr);
  VARNESK_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size());
  std::fclose(f);
}

void checkChart(const JanelaSimulacao& janela, const CountingPlatform& platform) {
  const ChartModel& chart = janela.modelo().chart;
  const Rect& frame = chart.Shape1;
  for (const auto& dot : platform.dots) {
    VARNESK_CHECK(dot.x >= frame.left && dot.x <= frame.left + frame.width);
    // The mean added just before a refit (the 101st, the 501st) is drawn on the axis fitted to
    // the earlier means, so it may stand one dot above the top; never more.
    VARNESK_CHECK(dot.y >= frame.top - 2 * dot.radius && dot.y <= chart.bottom());
  }
  for (const Rect& column : chart.Coluna) {
    if (!column.visible) continue;
    VARNESK_CHECK(column.top >= frame.top - 0.5f && column.top + column.height <= chart.bottom() + 0.5f);
  }
}

void open(TipoJanela tipo, const std::string& n, const std::string& r, double low, double high) {
  CountingPlatform platform;
  JanelaSimulacao janela(tipo, {platform, measure, ',', populationFile(), [] { return 1u; }});
  if (!janela.Load(n, r)) {
    VARNESK_CHECK(platform.messages == 1 && !platform.busy);
    return;
  }
  const double R = parseLeadingNumber(r);
  std::int32_t expected = 0;
  if (tipo == TipoJanela::Instantanea) {
    janela.Simular();
    expected = R > 5000 ? 0 : static_cast<std::int32_t>(std::floor(R));
    VARNESK_CHECK(platform.messages == (R > 5000 ? 1 : 0));
  } else {
    expected = static_cast<std::int32_t>(roundHalfEven(R));
    for (int click = 0; click <= 1000 && janela.modelo().Command1.enabled; ++click) janela.Simular();
    VARNESK_CHECK(!janela.modelo().Command1.enabled && platform.messages == 0);
    VARNESK_CHECK(platform.dots.size() == static_cast<std::size_t>(expected));
  }
  VARNESK_CHECK(!platform.busy);
  const auto means = janela.corrida().ordenadas.valores();
  VARNESK_CHECK(means.size() == static_cast<std::size_t>(expected));
  VARNESK_CHECK(std::is_sorted(means.begin(), means.end()));
  for (float m : means) VARNESK_CHECK(m >= static_cast<float>(low) && m <= static_cast<float>(high));
  checkChart(janela, platform);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t first = input.find('\n');
  if (first == std::string_view::npos) return 0;
  const std::size_t second = input.find('\n', first + 1);
  if (second == std::string_view::npos) return 0;
  const std::string n(input.substr(0, first));
  const std::string r(input.substr(first + 1, second - first - 1));
  const std::string_view file = input.substr(second + 1);

  static Population population;  // a fresh one zeroes 4.6 MB per input
  const LeituraPopulacao leitura = LerPopulacaoTexto(file, "populacao.txt", population);
  double low = 0, high = 0;
  if (leitura.ok) {
    const auto* values = population.Populacao.data() + 1;
    low = *std::min_element(values, values + population.TamanhoPopulacao);
    high = *std::max_element(values, values + population.TamanhoPopulacao);
  }
  write(file);

  CountingPlatform configuration;
  if (cliqueInstantaneo(n, r, configuration) == JanelaAAbrir::Instantanea)
    open(TipoJanela::Instantanea, n, r, low, high);
  if (cliquePassoAPasso(n, r, configuration) == JanelaAAbrir::PassoAPasso)
    open(TipoJanela::PassoAPasso, n, r, low, high);
  return 0;
}
