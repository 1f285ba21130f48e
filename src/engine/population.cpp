#include "engine/population.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <system_error>

#include "common/field_reader.h"
#include "common/line_reader.h"
#include "platform/program_folder.h"

namespace varnesk {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A field as it may be quoted in a message: short, one line, printable.
std::string shownField(std::string_view field) {
  constexpr std::size_t kMax = 40;
  std::string out;
  for (std::size_t i = 0; i < field.size() && i < kMax; ++i) {
    const auto c = static_cast<unsigned char>(field[i]);
    out += (c < 0x20 || c >= 0x7F) ? '?' : static_cast<char>(c);
  }
  if (field.size() > kMax) out += "...";
  return out;
}

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

PopulationReading refused(std::string message) { return {false, 0.0, std::move(message)}; }

std::string_view trimmed(std::string_view field) {
  while (!field.empty() && isBlank(field.front())) field.remove_prefix(1);
  while (!field.empty() && isBlank(field.back())) field.remove_suffix(1);
  return field;
}

bool blankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// A spreadsheet set to Portuguese writes one value per line with a decimal comma ("0,80"). Such
// a file has no period at all and exactly one comma on every line that holds a value; a file
// that mixes both keeps commas as separators.
bool decimalComma(std::string_view text) {
  if (text.find('.') != std::string_view::npos || text.find(',') == std::string_view::npos)
    return false;
  LineReader lines(text);
  while (const auto line = lines.next())
    if (!blankLine(line->text) && std::count(line->text.begin(), line->text.end(), ',') != 1)
      return false;
  return true;
}

// Why a field is refused, in the words that follow the file's name: it is empty, it is no
// number (`read` false) or it is one out of range.
std::string fieldRefusal(std::string_view field, long long line, bool read) {
  const std::string where = " na linha " + std::to_string(line);
  if (field.empty()) return " tem um valor vazio" + where + ".";
  if (!read)
    return " tem um valor inválido" + where + ": \"" + shownField(field) +
           "\". Cada valor deve ser um número com ponto decimal, como 2.35.";
  return " tem um valor fora do intervalo aceito" + where + ": \"" + shownField(field) + "\".";
}

}  // namespace

PopulationReading readPopulationBytes(std::string_view text, const std::string& fileName,
                                      Population& store) {
  const std::string file = "O arquivo da população " + quoted(fileName);
  if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))  // UTF-16's byte-order marks
    return refused(file + " está gravado em UTF-16. Salve-o como texto simples (UTF-8).");
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const bool decimal = decimalComma(text);
  FieldReader reader(decimal ? ',' : '.');

  HugePageVector<double> values;
  values.reserve(std::min<std::size_t>(text.size() / 2 + 1, kMaxPopulation));
  double sum = 0.0;
  LineReader lines(text);
  while (const auto line = lines.next()) {
    if (blankLine(line->text)) continue;
    const std::string_view content = line->text;
    // Commas separate the values of a line, except in a file of decimal commas.
    for (std::size_t start = 0; start <= content.size();) {
      const std::size_t comma =
          decimal ? content.size() : std::min(content.find(',', start), content.size());
      const std::string_view field = trimmed(content.substr(start, comma - start));
      start = comma + 1;
      double value = 0.0;
      const bool read = !field.empty() && reader.read(field, value);
      if (!read || std::fabs(value) > kMaxAbsoluteValue)
        return refused(file + fieldRefusal(field, line->number, read));
      if (values.size() == kMaxPopulation)
        return refused(file + " tem mais de " + std::to_string(kMaxPopulation) +
                       " valores, o máximo que o programa aceita.");
      values.push_back(value);
      sum += value;
    }
  }
  if (values.empty()) return refused(file + " não tem nenhum valor.");

  std::copy(values.begin(), values.end(), store.Populacao.begin() + 1);
  store.TamanhoPopulacao = static_cast<std::int32_t>(values.size());
  return {true, sum, {}};
}

PopulationReading LerPopulacao(const std::filesystem::path& file, Population& store) {
  const std::string name = file.string();
  std::error_code error;
  if (std::filesystem::is_directory(file, error))
    return refused("O arquivo da população " + quoted(name) + " é uma pasta, não um arquivo.");
  // A device or a pipe in place of the file would never end (/dev/zero) or never answer.
  if (std::filesystem::exists(file, error) && !std::filesystem::is_regular_file(file, error))
    return refused("O arquivo da população " + quoted(name) + " não é um arquivo comum.");
  std::ifstream in(file, std::ios::binary);
  if (!in)
    return refused("Não foi possível abrir o arquivo da população " + quoted(name) +
                   ". Verifique se ele existe e pode ser lido.");
  // One read of the whole file into a buffer of its size, where copying it through a string
  // stream went piece by piece; a file whose size the system does not know is read to its end.
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  HugePageVector<char> content(error ? 4096 : static_cast<std::size_t>(size) + 1);
  std::size_t length = 0;
  while (in) {
    if (length == content.size()) content.resize(2 * content.size());
    in.read(content.data() + length, static_cast<std::streamsize>(content.size() - length));
    length += static_cast<std::size_t>(in.gcount());
  }
  if (in.bad()) return refused("Não foi possível ler o arquivo da população " + quoted(name) + ".");
  return readPopulationBytes({content.data(), length}, name, store);
}

std::filesystem::path defaultPopulationPath() { return programFolder() / "populacao.txt"; }

}  // namespace varnesk
