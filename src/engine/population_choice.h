#pragma once
// The population the teacher chose for the windows opened from now on: a file (or pasted text
// kept in a file) with what was said about it, or the program's own populacao.txt. Only a
// population that reads whole becomes the choice; a refused one leaves the earlier choice.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/population.h"
#include "engine/population_source.h"

namespace varnesk {

// What is kept between starts.
struct RememberedPopulation {
  std::string file;  // empty: the program's own population
  std::string column;
  CommaAnswer commas = CommaAnswer::Unknown;
};

class PopulationChoice {
 public:
  explicit PopulationChoice(std::filesystem::path programPopulation);

  const PopulationSource& source() const { return source_; }
  bool programOwn() const { return source_.file == programPopulation_; }

  // The choice of an earlier start. When its file is gone the program's own is used and the
  // message says so.
  std::optional<std::string> restore(const RememberedPopulation& remembered);
  RememberedPopulation remembered() const;

  // Reads the whole file as `chosen.options` say; it becomes the choice if it reads.
  PopulationReading choose(const PopulationSource& chosen);
  // Text already in memory (pasted, or a page's file) is checked first, then written to `file`,
  // which becomes the choice: a refused text overwrites nothing. `label`: what pasted text is
  // called in place of the file (PopulationSource::label); empty for a file's text.
  PopulationReading chooseText(const std::filesystem::path& file, std::string_view text,
                               const ReadOptions& options, const std::string& label = {});
  void useProgramOwn() { replaceBy(PopulationSource{programPopulation_, {}}); }

  // "Desfazer troca de população": the choice before the last change comes back, if it still
  // reads (and the one it replaces becomes the one to come back to); ok when it came back. Its
  // message is the one to show either way.
  PopulationReading undo();

 private:
  PopulationReading check(std::string_view text, const PopulationSource& chosen);
  void replaceBy(const PopulationSource& chosen);

  std::filesystem::path programPopulation_;
  PopulationSource source_;
  std::optional<PopulationSource> previous_;
};

// The file pasted text is kept in, in the user's data folder.
inline constexpr const char* kPastedPopulationFile = "populacao_colada.txt";

}  // namespace varnesk
