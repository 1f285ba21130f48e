#include "engine/interval_texts.h"

#include "common/number_text.h"

namespace varnesk {
namespace {

std::string percent(double share, char separator) {
  return formatFixed(100 * share, 1, separator) + " %";
}

}  // namespace

std::string coverageLine(const Coverage& c, int level, char separator) {
  return formatThousands(c.contain, separator) + " de " + formatThousands(c.shown, separator) +
         " intervalos contêm μ (" + percent(c.share(), separator) + ") · nível " +
         std::to_string(level) + " %";
}

std::string missesLine(const Coverage& c, char separator) {
  return "Erram " + formatThousands(c.below, separator) + " abaixo de μ e " +
         formatThousands(c.above, separator) + " acima de μ";
}

std::string lawName(const IntervalOptions& options, std::int32_t n) {
  return options.normal
             ? "z (normal)"
             : "t com " + std::to_string(n - 1) + (n == 2 ? " grau" : " graus") + " de liberdade";
}

std::string quantileLine(const IntervalRun& run, char separator) {
  const IntervalOptions& o = run.options();
  std::string line = std::string(o.normal ? "z" : "t") + " = " + formatFixed(run.q(), 3, separator);
  if (!o.normal) line += " (" + std::to_string(run.n() - 1) + " g.l.)";
  return line +
         (o.correction ? " · correção = " + formatFixed(run.f(), 3, separator) : " · sem correção");
}

std::string intervalsCsv(CsvHeader header, const IntervalRun& run, std::int32_t shown) {
  const IntervalOptions& o = run.options();
  const auto number = [](double v) { return formatSignificant(v, 15, ','); };
  std::string out = csvHeaderText(header);
  out += "Nível de confiança (%);" + std::to_string(o.level) + "\r\n";
  out += "Quantil;" + csvField(lawName(o, run.n())) + ";" + number(run.q()) + "\r\n";
  out += "Correção de população finita;" + std::string(o.correction ? "sim" : "não") + ";" +
         number(run.f()) + "\r\n";
  out += "Média da população (μ);" + number(run.mu()) + "\r\n\r\n";
  out += "Amostra;Média;Desvio padrão;Limite inferior;Limite superior;Contém μ\r\n";
  for (std::int32_t r = 0; r < shown && r < run.size(); ++r) {
    const ConfidenceInterval i = run.interval(r);
    out += std::to_string(r + 1) + ';' + number(run.mean(r)) + ';' + number(run.sd(r)) + ';' +
           number(i.lower) + ';' + number(i.upper) + ';' + (i.side(run.mu()) == 0 ? "sim" : "não") +
           "\r\n";
  }
  return out;
}

}  // namespace varnesk
