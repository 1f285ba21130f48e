#include "engine/comparison_csv.h"

#include "engine/means_csv.h"

namespace varnesk {

std::string comparisonCsv(const ComparisonCsvHeader& h, const std::string& headings,
                          const std::vector<ComparisonCells>& rows) {
  std::string out = "\xEF\xBB\xBF";
  out += "Arquivo da população;" + csvField(h.file) + "\r\n";
  out += "Tamanho da população (N);" + std::to_string(h.N) + "\r\n";
  out += "Número de repetições (R);" + csvField(h.R) + "\r\n";
  out += "Semente;" + std::to_string(h.seed) + "\r\n";
  out += "Simulação da semente;" + std::to_string(h.run) + "\r\n\r\n";
  std::size_t from = 0;
  for (std::size_t tab = headings.find('\t');; tab = headings.find('\t', from)) {
    out += csvField(headings.substr(from, tab - from));
    if (tab == std::string::npos) break;
    out += ';';
    from = tab + 1;
  }
  out += "\r\n";
  for (const ComparisonCells& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) out += (i ? ";" : "") + csvField(row[i]);
    out += "\r\n";
  }
  return out;
}

}  // namespace varnesk
