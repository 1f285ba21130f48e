#include "engine/means_csv.h"

#include "common/number_text.h"
#include "engine/chart_caption.h"

namespace varnesk {

std::string meansCsv(const CsvHeader& header, std::span<const float> means) {
  std::string out = csvHeaderText(header) + "Ordem;Média\r\n";
  for (std::size_t i = 0; i < means.size(); ++i)
    out += std::to_string(i + 1) + ';' + formatShortest(means[i], ',') + "\r\n";
  return out;
}

std::string tabulatedStatistics(const std::array<std::string, 7>& panel) {
  std::string names, values;
  for (std::size_t i = 0; i < panel.size(); ++i) {
    names += std::string(i ? "\t" : "") + kStatisticNames[i];
    values += (i ? "\t" : "") + panel[i];
  }
  return names + '\n' + values + '\n';
}

}  // namespace varnesk
