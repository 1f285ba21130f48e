#include "cli/sim_output.h"

#include <charconv>

#include "chart/classes.h"
#include "chart/scale.h"
#include "common/number_conversion.h"
#include "common/number_text.h"

namespace varnesk {

std::vector<std::string> panelLines(const Statistics& e) {
  return {"Mínimo: " + e.minimum, "Q1: " + e.q1,      "Mediana: " + e.median, "Q3: " + e.q3,
          "Máximo: " + e.maximum, "Média: " + e.mean, "dp: " + e.sd};
}

std::string meansText(const SamplingRun& run) {
  std::string out;
  char buffer[32];
  for (std::int32_t r = 1; r <= run.sortedMeans.ContagemOrdenadas; ++r) {
    const auto end = toChars(buffer, buffer + sizeof buffer,
                             static_cast<double>(run.Medias[static_cast<std::size_t>(r)]),
                             std::chars_format::general, 9);
    out.append(buffer, end.ptr);
    out += '\n';
  }
  return out;
}

std::string histogramText(const SamplingRun& run) {
  const Scale scale = EscolherEscala(run.MenorMedia, run.MaiorMedia, kInstantChart);
  const std::vector<int> counts =
      countInstantClasses(run.sortedMeans.values(), run.MenorMedia, scale);
  std::string out = "classe\tinicio\tcontagem\n";
  for (std::size_t i = 0; i < counts.size(); ++i)
    out += std::to_string(i) + '\t' +
           formatFixed(run.MenorMedia + static_cast<double>(i) * scale.AmplitudeClasse, 3, '.') +
           '\t' + std::to_string(counts[i]) + '\n';
  return out;
}

std::string comparisonText(const std::vector<ComparisonRow>& rows) {
  const auto six = [](double value) { return formatSignificant(value, 6, '.'); };
  std::string out = "n\tmedia\tdp\tep\tep_fpc\trazao\n";
  for (const ComparisonRow& r : rows)
    out += std::to_string(r.n) + '\t' + six(r.mean) + '\t' + six(r.sd) + '\t' + six(r.theory.se) +
           '\t' + six(r.theory.correctedSe) + '\t' + six(r.ratio()) + '\n';
  return out;
}

}  // namespace varnesk
