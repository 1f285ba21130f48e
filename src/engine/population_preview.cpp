#include "engine/population_preview.h"

#include <utility>

#include "common/field_reader.h"
#include "common/field_splitter.h"
#include "common/line_reader.h"
#include "common/shown_field.h"
#include "engine/format_detection.h"

namespace varnesk {

PopulationPreview previewPopulation(std::string_view text, CommaAnswer commas, std::size_t rows) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const DetectedShape shape = detectShape(text, commas);
  PopulationPreview preview;
  preview.ambiguousCommas = shape.ambiguousCommas;
  for (std::size_t k = 0; k < shape.columns; ++k)
    preview.columns.push_back(k < shape.names.size() ? shownField(shape.names[k])
                                                     : "Coluna " + std::to_string(k + 1));
  // A list's line is shown whole: its values are all read, whatever their place in it.
  const char separator = shape.list ? '\0' : shape.format.separator;
  bool header = shape.format.header;
  LineReader lines(text);
  while (preview.rows.size() < rows) {
    const auto line = lines.next();
    if (!line) break;
    if (line->text.find_first_not_of(" \t") == std::string_view::npos) continue;
    if (std::exchange(header, false)) continue;
    std::vector<std::string>& row = preview.rows.emplace_back();
    FieldSplitter fields(line->text, separator);
    while (row.size() < shape.columns) {
      const auto field = fields.next();
      row.push_back(field ? shownField(*field) : std::string());
    }
  }
  for (std::size_t k = preview.columns.size(); k-- > 0;) {
    bool numbers = !preview.rows.empty();
    for (const auto& row : preview.rows) {
      double value = 0.0;
      numbers = numbers && FieldReader(shape.format.decimalMark).read(row[k], value);
    }
    if (numbers) preview.suggested = k;
  }
  return preview;
}

}  // namespace varnesk
