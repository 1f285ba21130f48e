#include "engine/means_csv.h"

#include "common/number_text.h"

namespace varnesk {

// A field with the separator, a quote or a line break in it is quoted, its quotes doubled.
std::string csvField(const std::string& text) {
  if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + '"';
}

std::string meansCsv(const CsvHeader& c, std::span<const float> means) {
  std::string out = "\xEF\xBB\xBF";
  out += "Arquivo da população;" + csvField(c.file) + "\r\n";
  out += "Tamanho da população (N);" + std::to_string(c.N) + "\r\n";
  out += "Tamanho da amostra (n);" + csvField(c.n) + "\r\n";
  out += "Número de repetições (R);" + csvField(c.R) + "\r\n";
  out += "Semente;" + std::to_string(c.seed) + "\r\n";
  out += "Simulação da semente;" + std::to_string(c.run) + "\r\n\r\n";
  out += "Ordem;Média\r\n";
  for (std::size_t i = 0; i < means.size(); ++i)
    out += std::to_string(i + 1) + ';' + formatSignificant(means[i], 9, ',') + "\r\n";
  return out;
}

std::string tabulatedStatistics(const WindowModel& m) {
  return "Mínimo\tQ1\tMediana\tQ3\tMáximo\tMédia\tdp\n" + m.MinimoLBL.caption + '\t' +
         m.Q1LBL.caption + '\t' + m.MedianaLBL.caption + '\t' + m.Q3LBL.caption + '\t' +
         m.MaximoLBL.caption + '\t' + m.MediaLBL.caption + '\t' + m.dpLBL.caption + '\n';
}

}  // namespace varnesk
