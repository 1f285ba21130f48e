#include "engine/comparison_csv.h"

namespace varnesk {

std::string comparisonCsv(const CsvHeader& h, const std::string& headings,
                          const std::vector<ComparisonCells>& rows) {
  std::string out = csvHeaderText(h);
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
