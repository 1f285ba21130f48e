#pragma once
// How a population file was read, so that the teacher can check the reading against the file.
#include <string>

namespace varnesk {

struct PopulationFormat {
  char separator = '\0';   // between the fields of a line: ',', ';' or '\t'; '\0' for one a line
  char decimalMark = '.';  // '.' or ','
  bool header = false;     // the first line names the columns and holds no value
  int column = 1;          // the column read, from 1; 0 when every field is a value, in order
  std::string columnName;  // its name in the header, when there is one
};

}  // namespace varnesk
