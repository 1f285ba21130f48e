// What users bring: the two texts of the configuration screen and any population file.
// Input: the sample-size text, a line break, the repetitions text, a line break, then the bytes
// of populacao.txt. The reader loads all values or none, with a refusal that names the file and
// a line that exists, the same for the file saved with CRLF or a byte-order mark. Then the
// screen refuses the texts, the window refuses to open with one message, or the run completes
// with every mean within the values and every column and dot inside the chart frame.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "check.h"
#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/sampling_run.h"
#include "recording_platform.h"

using namespace varnesk;
using namespace varnesk::support;

namespace {

// The refusals shown, and whether the pointer is still busy.
long messages(const RecordingPlatform& p) {
  return std::ranges::count_if(texts(p), [](const std::string& e) { return e.starts_with("message"); });
}
bool busy(const RecordingPlatform& p) {
  return std::ranges::count(texts(p), "busy") > std::ranges::count(texts(p), "idle");
}

// Loads `text` over an earlier reading of 8 values, which a refusal leaves whole.
PopulationReading read(std::string_view text, Population& p) {
  std::fill_n(p.Populacao.begin() + 1, p.TamanhoPopulacao = 8, -7777.0);
  const PopulationReading r = readPopulationBytes(text, "populacao.txt", p);
  long lines = 1, line = 1;  // as an editor counts them: LF, CRLF and a lone CR each end one
  for (std::size_t i = 0; i < text.size(); ++i)
    lines += text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
  if (const std::size_t at = r.message.find("na linha "); at != std::string::npos)
    line = std::atol(r.message.c_str() + at + 9);
  check(r.ok || (p.TamanhoPopulacao == 8 && p.Populacao[8] == -7777.0 && line >= 1 && line <= lines));
  check(r.ok || r.message.find("\"populacao.txt\"") != std::string::npos);
  for (char c : r.message) check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
  double sum = 0;
  for (std::int32_t i = 1; r.ok && i <= p.TamanhoPopulacao; ++i) {
    check(std::isfinite(p.Populacao[i]) && std::fabs(p.Populacao[i]) <= kMaxAbsoluteValue);
    sum += p.Populacao[i];
  }
  check(!r.ok || (p.TamanhoPopulacao >= 1 && p.TamanhoPopulacao <= kMaxPopulation && sum == r.sum));
  return r;
}

void open(WindowKind kind, const std::string& n, const std::string& r, const char* file, const Population& p) {
  RecordingPlatform watch;
  SimulationWindow window(kind, {watch, fixedMeasure, ',', {file, {}}, [] { return 1u; }});
  if (!window.Load(n, r)) return check(messages(watch) == 1 && !busy(watch));
  const double R = parseLeadingNumber(r);
  const bool instant = kind == WindowKind::Instant;
  const auto expected = static_cast<std::size_t>(instant ? (R > 5000 ? 0 : R) : roundHalfEven(R));
  for (int click = 0; click < (instant ? 1 : 1001) && window.control("Command1").enabled; ++click) window.simulate();
  check(!busy(watch) && messages(watch) == (instant && R > 5000));
  const ChartModel& chart = window.chart();
  check(chart.surface.size() == (instant ? 0 : expected));
  const auto means = window.run().sortedMeans.values();
  const auto [low, high] = std::minmax_element(&p.Populacao[1], &p.Populacao[1] + p.TamanhoPopulacao);
  check(means.size() == expected && std::is_sorted(means.begin(), means.end()));
  for (float m : means) check(m >= static_cast<float>(*low) && m <= static_cast<float>(*high));
  const Rect& frame = chart.Shape1;
  // The mean added just before a refit (the 101st, the 501st) is drawn on the axis fitted to
  // the earlier means, so it may stand one dot above the top; never more.
  for (const auto& [x, y, radius] : chart.surface)
    check(x >= frame.left && x <= frame.left + frame.width && y <= chart.bottom() && y >= frame.top - 2 * radius);
  for (const Rect& c : chart.Coluna)
    check(!c.visible || (c.top >= frame.top - 0.5f && c.top + c.height <= chart.bottom() + 0.5f));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t first = input.find('\n'), second = input.find('\n', first + 1);
  if (second == std::string::npos) return 0;
  const std::string n = input.substr(0, first), r = input.substr(first + 1, second - first - 1);
  const std::string text = input.substr(second + 1);

  static Population population, copy;  // a fresh store zeroes 4.6 MB per input
  const PopulationReading plain = read(text, population);
  std::string crlf;  // the same file saved with CRLF line ends, or with a byte-order mark
  for (char c : text) crlf += c == '\n' ? "\r\n" : std::string(1, c);
  for (const std::string& same : {text.find('\r') == std::string::npos ? crlf : text, "\xEF\xBB\xBF" + text}) {
    const PopulationReading other = read(same, copy);
    if (same.starts_with("\xEF\xBB\xBF\xEF\xBB\xBF") || same.starts_with("\xEF\xBB\xBF\xFF\xFE") ||
        same.starts_with("\xEF\xBB\xBF\xFE\xFF"))
      continue;  // a second mark, or a mark before UTF-16, is another file
    check(other.ok == plain.ok && other.message == plain.message && other.sum == plain.sum);
  }

  static char file[] = "/tmp/varnesk_fuzz_XXXXXX";
  [[maybe_unused]] static const int made = (::close(::mkstemp(file)), std::atexit([] { std::remove(file); }));
  std::FILE* out = std::fopen(file, "wb");
  std::fwrite(text.data(), 1, text.size(), out);
  std::fclose(out);
  RecordingPlatform screen;
  if (instantClicked(n, r, screen) == WindowToOpen::Instant)
    open(WindowKind::Instant, n, r, file, population);
  if (stepByStepClicked(n, r, screen) == WindowToOpen::StepByStep)
    open(WindowKind::StepByStep, n, r, file, population);
  return 0;
}
