#pragma once
// Which population the windows read when they open: a file, and what the teacher said about it
// (its column). Each window reads it again at its Load, so a file changed between openings is
// seen.
#include <filesystem>
#include <string>

#include "engine/read_options.h"

namespace varnesk {

struct PopulationSource {
  std::filesystem::path file;
  ReadOptions options;
  // What pasted text is called ("texto colado") in place of the file it is kept in, which is the
  // program's own and means nothing to the teacher; empty for a file the teacher chose.
  std::string label = {};

  // What the windows call the population: the file's name without its folder, or the label.
  std::string name() const { return label.empty() ? file.filename().string() : label; }
  // What the reader's messages name: the whole file, or the label.
  std::string named() const { return label.empty() ? file.string() : label; }
};

}  // namespace varnesk
