#include "engine/csv_header.h"

namespace varnesk {

// A field with the separator, a quote or a line break in it is quoted, its quotes doubled.
std::string csvField(const std::string& text) {
  if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + '"';
}

std::string csvHeaderText(const CsvHeader& h) {
  std::string out = "\xEF\xBB\xBF";
  out += "Arquivo da população;" + csvField(h.file) + "\r\n";
  out += "Tamanho da população (N);" + std::to_string(h.N) + "\r\n";
  if (h.n) out += "Tamanho da amostra (n);" + csvField(*h.n) + "\r\n";
  out += "Número de repetições (R);" + csvField(h.R) + "\r\n";
  out += "Semente;" + std::to_string(h.seed) + "\r\n";
  out += "Simulação da semente;" + std::to_string(h.run) + "\r\n\r\n";
  return out;
}

}  // namespace varnesk
