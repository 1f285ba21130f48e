#include "engine/format_detection.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "common/field_reader.h"
#include "common/field_splitter.h"
#include "common/line_reader.h"
#include "common/shown_field.h"

namespace varnesk {
namespace {

bool blankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// A tab that separates two values, not one that pads a value beside a comma ("1.5 ,\t2").
bool tabSeparates(std::string_view line, std::size_t at) {
  const std::size_t before = line.find_last_not_of(" \t", at);
  const std::size_t after = line.find_first_not_of(" \t", at);
  return before != std::string_view::npos && after != std::string_view::npos &&
         line[before] != ',' && line[after] != ',';
}

// The separators are the ones that end a field as the splitter finds them, a quoted field
// holding any of them whole.
char separatorOf(std::string_view text) {
  bool tab = false, comma = false;
  LineReader lines(text);
  while (const auto line = lines.next()) {
    FieldSplitter fields(line->text, kAnySeparator);
    while (fields.next()) {
      const char ended = fields.endedBy();
      if (ended == ';') return ';';
      comma = comma || ended == ',';
      tab = tab || (ended == '\t' && tabSeparates(line->text, fields.end()));
    }
  }
  return tab ? '\t' : comma ? ',' : '\0';
}

bool isNumber(std::string_view field) {
  double value = 0.0;
  return !field.empty() &&
         (FieldReader('.').read(field, value) || FieldReader(',').read(field, value));
}

// Text that no reading of a number explains, such as a column's name ("1e400" is a number too
// large, not a name).
bool isText(std::string_view field) {
  return field.find_first_not_of("0123456789+-.,eE") != std::string_view::npos;
}

std::string_view firstLine(std::string_view text) {
  LineReader lines(text);
  while (const auto line = lines.next())
    if (!blankLine(line->text)) return line->text;
  return {};
}

bool headerFirst(std::string_view text, char separator) {
  FieldSplitter fields(firstLine(text), separator);
  bool text_ = false;
  while (const auto field = fields.next()) {
    if (isNumber(*field)) return false;
    text_ = text_ || isText(*field);
  }
  return text_;
}

// The non-blank lines as split by a separator; a separator at the end of a line ends the line.
struct Shape {
  std::vector<std::string> names;      // the header's fields
  std::size_t maxFields = 0;           // in a line of values
  bool sameCount = true;               // every line, the header too, has as many fields
  bool comma = false, period = false;  // in a field of a line of values
  bool numberPeriod = false;           // in such a field that is no text: a name's does not count
  std::vector<bool> commaIn;           // by column: a comma in one of its fields
};

Shape shapeOf(std::string_view text, char separator, bool header) {
  Shape s;
  std::size_t firstCount = 0;
  bool first = true;
  LineReader lines(text);
  while (const auto line = lines.next()) {
    if (blankLine(line->text)) continue;
    const bool names = first && header;
    FieldSplitter fields(line->text, separator);
    std::size_t count = 0;
    bool lastEmpty = false;
    while (const auto field = fields.next()) {
      ++count;
      lastEmpty = field->empty();
      if (names) {
        s.names.emplace_back(*field);
        continue;
      }
      const bool comma = field->find(',') != std::string_view::npos;
      const bool period = field->find('.') != std::string_view::npos;
      if (comma && s.commaIn.size() < count) s.commaIn.resize(count);
      if (comma) s.commaIn[count - 1] = true;
      s.comma = s.comma || comma;
      s.period = s.period || period;
      s.numberPeriod = s.numberPeriod || (period && !isText(*field));
    }
    if (count > 1 && lastEmpty) --count;
    if (names) s.names.resize(count);
    if (!names) s.maxFields = std::max(s.maxFields, count);
    if (first) firstCount = count;
    s.sameCount = s.sameCount && count == firstCount;
    first = false;
  }
  return s;
}

// The comma is the mark when the values hold commas and no period. A period in a field that is
// no number, such as a name ("Reis; J."), is not held against a comma in the column read (or,
// before one is chosen, in any): a decimal point would refuse that comma's value.
char decimalMark(const Shape& s, bool commaRead) {
  return (s.comma && !s.period) || (commaRead && !s.numberPeriod) ? ',' : '.';
}

std::string columnList(const std::vector<std::string>& names, std::size_t columns) {
  std::string out;
  for (std::size_t k = 0; k < columns; ++k) {
    if (k) out += ", ";
    out +=
        k < names.size() ? "\"" + shownField(names[k]) + "\"" : "coluna " + std::to_string(k + 1);
  }
  return out;
}

// The column named by the teacher, by its header name or its number from 1.
std::variant<PopulationFormat, std::string> withColumn(PopulationFormat f, const Shape& s,
                                                       const std::string& wanted) {
  const std::size_t columns = std::max({s.names.size(), s.maxFields, std::size_t{1}});
  const std::string all = columnList(s.names, columns);
  std::size_t k = std::find(s.names.begin(), s.names.end(), wanted) - s.names.begin();
  if (wanted.empty() && columns == 1) k = 0;
  if (wanted.empty() && columns > 1)
    return " tem " + std::to_string(columns) + " colunas (" + all + ")" +
           ". Indique qual delas ler, pelo nome ou pelo número, de 1 a " + std::to_string(columns) +
           ".";
  if (k == s.names.size() && !wanted.empty()) {
    int number = 0;
    const auto [end, error] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), number);
    if (error != std::errc() || end != wanted.data() + wanted.size() || number < 1 ||
        static_cast<std::size_t>(number) > columns)
      return " não tem a coluna \"" + shownField(wanted) + "\". Suas colunas são: " + all + ".";
    k = static_cast<std::size_t>(number - 1);
  }
  f.column = static_cast<int>(k + 1);
  if (k < s.names.size()) f.columnName = s.names[k];
  f.decimalMark = decimalMark(s, k < s.commaIn.size() && s.commaIn[k]);
  return f;
}

struct Detection {
  DetectedShape d;
  Shape s;
};

Detection detect(std::string_view text, CommaAnswer commas) {
  Detection out;
  DetectedShape& d = out.d;
  PopulationFormat& f = d.format;
  f.separator = separatorOf(text);
  f.header = headerFirst(text, f.separator);
  Shape s = shapeOf(text, f.separator, f.header);
  if (f.separator == ',' && !s.period && !s.comma && s.maxFields == 2) {
    d.ambiguousCommas = f.header && s.sameCount;
    const bool separates = d.ambiguousCommas && commas == CommaAnswer::Separator;
    if (!separates) {
      f.separator = '\0';
      s = shapeOf(text, f.separator, f.header);
    }
  }
  f.decimalMark = decimalMark(s, s.comma);
  d.list = f.separator == ',' && !f.header;
  if (d.list) f.column = 0;
  d.names = s.names;
  d.columns = d.list ? 1 : std::max({s.names.size(), s.maxFields, std::size_t{1}});
  d.maxFields = s.maxFields;
  out.s = std::move(s);
  return out;
}

}  // namespace

DetectedShape detectShape(std::string_view text, CommaAnswer commas) {
  return detect(text, commas).d;
}

std::variant<PopulationFormat, std::string> detectFormat(std::string_view text,
                                                         const ReadOptions& options) {
  const auto [d, s] = detect(text, options.commas);
  if (d.ambiguousCommas && options.commas == CommaAnswer::Unknown)
    return std::string(
        " é ambíguo: suas vírgulas podem separar colunas ou marcar decimais. Use ';' entre as "
        "colunas, ou o ponto como marca decimal.");
  if (d.list && options.column.empty()) return d.format;
  return withColumn(d.format, s, options.column);
}

}  // namespace varnesk
