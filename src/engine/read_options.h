#pragma once
// What the teacher says about a population file that the file cannot say by itself.
#include <string>

namespace varnesk {

// What a comma is in a file where it could be either (a header "taxa,perda" over rows "1,5").
enum class CommaAnswer {
  Unknown,      // not asked: such a file is refused, and the front end asks
  DecimalMark,  // "1,5" is one and a half; the file has one column
  Separator,    // "1,5" is two values, in two columns
};

struct ReadOptions {
  // The column to read in a file of several: its name in the header, or its number from 1.
  // Empty when the file has one column, or is a list of values.
  std::string column;
  CommaAnswer commas = CommaAnswer::Unknown;
};

}  // namespace varnesk
