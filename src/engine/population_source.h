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

  // What the windows call the population: the file's name without its folder.
  std::string name() const { return file.filename().string(); }
};

}  // namespace varnesk
