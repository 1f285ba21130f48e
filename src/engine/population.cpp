#include "engine/population.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>
#include <system_error>
#include <utility>

#include "common/field_reader.h"
#include "common/field_splitter.h"
#include "common/line_reader.h"
#include "common/shown_field.h"
#include "engine/format_detection.h"
#include "engine/population_prompts.h"
#include "platform/program_folder.h"

namespace varnesk {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

PopulationReading refused(std::string message) { return {false, 0.0, std::move(message), {}}; }

std::string_view trimmed(std::string_view field) {
  while (!field.empty() && isBlank(field.front())) field.remove_prefix(1);
  while (!field.empty() && isBlank(field.back())) field.remove_suffix(1);
  return field;
}

bool blankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Why a field is refused, in the words that follow the file's name: it is empty, it is no
// number (`read` false) or it is one out of range.
std::string fieldRefusal(std::string_view field, long long line, bool read) {
  const std::string where = " na linha " + std::to_string(line);
  if (field.empty()) return " tem um valor vazio" + where + ".";
  if (!read)
    return " tem um valor inválido" + where + ": \"" + shownField(field) +
           "\". Esperava-se um número, como 2,35 ou 2.35.";
  return " tem um valor fora do intervalo aceito" + where + ": \"" + shownField(field) + "\".";
}

// A quoted field that `line` ends before closing: a spreadsheet's cell holding a line break,
// which splits its row in two.
std::optional<std::string> lineBreakInQuotes(const Line& line, char separator) {
  FieldSplitter fields(line.text, separator);
  std::optional<std::string_view> field, last;
  while ((field = fields.next())) last = field;
  if (!fields.unclosed()) return std::nullopt;
  return " tem uma quebra de linha dentro de um campo entre aspas na linha " +
         std::to_string(line.number) + ": \"" + shownField(*last) +
         "\". Tire as quebras de linha das células e salve o arquivo de novo.";
}

// The values of a file, gathered before any reaches the store, so that a refusal leaves it whole.
class ValueList {
 public:
  explicit ValueList(std::size_t textSize) {
    values_.reserve(std::min<std::size_t>(textSize / 2 + 1, kMaxPopulation));
  }

  // Why the field cannot be the next value, or nothing once it is.
  std::optional<std::string> add(std::string_view field, long long line, FieldReader& reader) {
    double value = 0.0;
    const bool read = !field.empty() && reader.read(field, value);
    if (!read || std::fabs(value) > kMaxAbsoluteValue) return fieldRefusal(field, line, read);
    if (values_.size() == kMaxPopulation)
      return " tem mais de " + std::to_string(kMaxPopulation) +
             " valores, o máximo que o programa aceita.";
    values_.push_back(value);
    sum_ += value;
    return std::nullopt;
  }

  PopulationReading store(Population& store, const PopulationFormat& format) const {
    std::copy(values_.begin(), values_.end(), store.Populacao.begin() + 1);
    store.TamanhoPopulacao = static_cast<std::int32_t>(values_.size());
    return {true, sum_, {}, format, store.TamanhoPopulacao};
  }

  bool empty() const { return values_.empty(); }

 private:
  HugePageVector<double> values_;
  double sum_ = 0.0;
};

// One value a line with a decimal point, as populacao.txt is written: the common case, read in
// one pass. Anything else (a header, a separator, a quote) ends it, and the whole reading
// starts again through the format's detection.
bool readPlain(std::string_view text, ValueList& values) {
  FieldReader reader('.');
  LineReader lines(text);
  while (const auto line = lines.next())
    if (!blankLine(line->text) && values.add(trimmed(line->text), line->number, reader))
      return false;
  return !values.empty();
}

// Why the values of `line` cannot be read as `format` says, or nothing once they are in `values`.
std::optional<std::string> readLine(const Line& line, const PopulationFormat& format,
                                    FieldReader& reader, ValueList& values) {
  FieldSplitter fields(line.text, format.separator);
  if (format.column == 0) {
    while (const auto field = fields.next())
      if (auto problem = values.add(*field, line.number, reader)) return problem;
    return std::nullopt;
  }
  std::optional<std::string_view> field;
  for (int k = 0; k < format.column; ++k) field = fields.next();
  // A line too short for the column has an empty value there.
  return values.add(field.value_or(""), line.number, reader);
}

// Why the file cannot be read as `format` says, or nothing once every value is in `values`. A
// line refused in or just after a cell that holds a line break is refused for the line break.
std::optional<std::string> readFields(std::string_view text, const PopulationFormat& format,
                                      ValueList& values) {
  FieldReader reader(format.decimalMark);
  bool header = format.header;
  Line previous{{}, 0};
  LineReader lines(text);
  while (const auto line = lines.next()) {
    if (blankLine(line->text)) continue;
    if (auto problem =
            std::exchange(header, false) ? std::nullopt : readLine(*line, format, reader, values)) {
      if (auto broken = lineBreakInQuotes(*line, format.separator)) return broken;
      if (auto broken = lineBreakInQuotes(previous, format.separator)) return broken;
      return problem;
    }
    previous = *line;
  }
  if (values.empty()) return std::string(" não tem nenhum valor.");
  return std::nullopt;
}

}  // namespace

PopulationReading readPopulationBytes(std::string_view text, const std::string& fileName,
                                      Population& store, const ReadOptions& options) {
  const std::string file =
      fileName == kPastedName ? "O texto colado" : "O arquivo da população " + quoted(fileName);
  if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))  // UTF-16's byte-order marks
    return refused(file + " está gravado em UTF-16. Salve-o como texto simples (UTF-8).");
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (options.column.empty()) {
    ValueList values(text.size());
    if (readPlain(text, values)) return values.store(store, PopulationFormat{});
  }
  const auto format = detectFormat(text, options);
  if (const auto* problem = std::get_if<std::string>(&format)) return refused(file + *problem);
  ValueList values(text.size());
  if (const auto problem = readFields(text, std::get<PopulationFormat>(format), values))
    return refused(file + *problem);
  return values.store(store, std::get<PopulationFormat>(format));
}

PopulationFileText readPopulationFile(const std::filesystem::path& file) {
  const std::string name = file.string();
  PopulationFileText out;
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) {
    out.message = "O arquivo da população " + quoted(name) + " é uma pasta, não um arquivo.";
    return out;
  }
  // A device or a pipe in place of the file would never end (/dev/zero) or never answer.
  if (std::filesystem::exists(file, error) && !std::filesystem::is_regular_file(file, error)) {
    out.message = "O arquivo da população " + quoted(name) + " não é um arquivo comum.";
    return out;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    out.message = "Não foi possível abrir o arquivo da população " + quoted(name) +
                  ". Verifique se ele existe e pode ser lido.";
    return out;
  }
  // One read of the whole file into a buffer of its size, where copying it through a string
  // stream went piece by piece; a file whose size the system does not know is read to its end.
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  out.bytes.resize(error ? 4096 : static_cast<std::size_t>(size) + 1);
  std::size_t& length = out.length;
  while (in) {
    if (length == out.bytes.size()) out.bytes.resize(2 * out.bytes.size());
    in.read(out.bytes.data() + length, static_cast<std::streamsize>(out.bytes.size() - length));
    length += static_cast<std::size_t>(in.gcount());
  }
  if (in.bad()) {
    out.message = "Não foi possível ler o arquivo da população " + quoted(name) + ".";
    return out;
  }
  out.ok = true;
  return out;
}

PopulationReading LerPopulacao(const std::filesystem::path& file, Population& store,
                               const ReadOptions& options) {
  const PopulationFileText content = readPopulationFile(file);
  if (!content.ok) return refused(content.message);
  return readPopulationBytes(content.text(), file.string(), store, options);
}

PopulationReading LerPopulacao(const PopulationSource& source, Population& store) {
  if (source.label.empty()) return LerPopulacao(source.file, store, source.options);
  const PopulationFileText content = readPopulationFile(source.file);
  // The file that kept the text is the program's: gone, the teacher can only paste again.
  if (!content.ok) return refused("O texto colado não está mais guardado. Cole-o de novo.");
  return readPopulationBytes(content.text(), source.label, store, source.options);
}

std::filesystem::path defaultPopulationPath() { return programFolder() / "populacao.txt"; }

}  // namespace varnesk
