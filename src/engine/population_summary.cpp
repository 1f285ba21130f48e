#include "engine/population_summary.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/number_conversion.h"
#include "common/shown_field.h"

namespace varnesk {
namespace {

std::string number(double value, char decimal) {
  char buffer[32];
  const auto end = toChars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9);
  std::string out(buffer, end.ptr);
  std::replace(out.begin(), out.end(), '.', decimal);
  return out;
}

std::string separatorName(char separator) {
  switch (separator) {
    case ',': return "vírgula";
    case ';': return "ponto e vírgula";
    case '\t': return "tabulação";
    default: return "nenhum (um valor por linha)";
  }
}

std::string columnText(const PopulationFormat& f) {
  if (f.column == 0) return "todos os valores, na ordem do arquivo";
  const std::string number = std::to_string(f.column);
  return f.header ? number + " (\"" + shownField(f.columnName) + "\")" : number;
}

}  // namespace

PopulationSummary summarize(const Population& population) {
  PopulationSummary s;
  s.count = population.TamanhoPopulacao;
  if (s.count == 0) return s;
  const auto first = population.Populacao.begin() + 1, last = first + s.count;
  const auto [low, high] = std::minmax_element(first, last);
  s.minimum = *low;
  s.maximum = *high;
  double sum = 0.0;
  for (auto v = first; v != last; ++v) sum += *v;
  s.mean = sum / s.count;
  double squares = 0.0;  // about the mean, which keeps the sum of squares from cancelling out
  for (auto v = first; v != last; ++v) squares += (*v - s.mean) * (*v - s.mean);
  s.standardDeviation = std::sqrt(squares / s.count);
  return s;
}

std::vector<std::string> describe(const PopulationSummary& s, const PopulationFormat& f,
                                  char decimal) {
  return {"N: " + std::to_string(s.count),
          "Média: " + number(s.mean, decimal),
          "dp (divisor N): " + number(s.standardDeviation, decimal),
          "Mínimo: " + number(s.minimum, decimal),
          "Máximo: " + number(s.maximum, decimal),
          "Separador: " + separatorName(f.separator),
          std::string("Marca decimal: ") + (f.decimalMark == ',' ? "vírgula" : "ponto"),
          std::string("Cabeçalho: ") + (f.header ? "sim" : "não"),
          "Coluna: " + columnText(f)};
}

}  // namespace varnesk
