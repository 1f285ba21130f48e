#pragma once
// How to read a population file, found from its text as a spreadsheet writes it.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/population_format.h"
#include "engine/read_options.h"

namespace varnesk {

// The reading of `text` (its byte-order mark removed), or why the file cannot be read without
// the teacher's help, in the words that follow "O arquivo da população "name"".
// - The separator is ';' when a line has one outside quotes; else a tab between two values (a
//   tab beside a comma is a blank); else a comma; else there is one field a line.
// - The first line is a header when none of its fields is a number and one holds text.
// - The decimal mark is the comma when the values hold commas and no period; a period in a field
//   of text, such as a name, does not count against a comma in the column read.
// - Commas that may be separators or decimal marks: with no period and no quoted comma among the
//   values and at most one comma a line, they are decimal marks, unless a header of as many fields
//   as the lines says they are separators too, which leaves the file ambiguous.
// - Without a header or a named column, comma-separated values are one list, in file order.
// - Ambiguous commas are read as the teacher answered (ReadOptions::commas); unanswered, the file
//   is refused.
std::variant<PopulationFormat, std::string> detectFormat(std::string_view text,
                                                         const ReadOptions& options);

// What the detection found before any column is chosen: what a front end shows the teacher.
struct DetectedShape {
  PopulationFormat format;         // its column not yet chosen
  bool ambiguousCommas = false;    // the commas could be either, and `commas` may have said which
  bool list = false;               // every field a value, in file order: nothing to choose
  std::vector<std::string> names;  // the header's fields
  std::size_t columns = 1;         // to choose from
  std::size_t maxFields = 0;       // in a line of values
};
DetectedShape detectShape(std::string_view text, CommaAnswer commas);

}  // namespace varnesk
