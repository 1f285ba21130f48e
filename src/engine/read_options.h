#pragma once
// What the teacher says about a population file that the file cannot say by itself.
#include <string>

namespace varnesk {

struct ReadOptions {
  // The column to read in a file of several: its name in the header, or its number from 1.
  // Empty when the file has one column, or is a list of values.
  std::string column;
};

}  // namespace varnesk
