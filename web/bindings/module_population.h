#pragma once
// The page's population in the module's own memory files: the bundled populacao.txt, and the
// teacher's choice beside it, which every window made afterwards reads at its Load.
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/population_choice.h"

namespace varnesk {

// The most the page keeps in the browser's local storage (about 5 MB a site, in UTF-16, and the
// bytes go as base64): a population of some 150000 values.
inline constexpr std::size_t kPageMemoryLimit = 1000000;

class ModulePopulation {
 public:
  // The bundled population is `folder`/populacao.txt; a chosen one goes under `folder`/escolhida.
  explicit ModulePopulation(const std::filesystem::path& folder);

  // The bundled population, in place of what was there; false when it cannot be written.
  bool setProgramOwn(std::string_view bytes);
  // {"ambiguousCommas","columns","rows","question","prompt","captions"}: what the page shows
  // before the choice. `commas`: "decimal", "separator" or "" (not answered).
  std::string preview(std::string_view bytes, const std::string& name,
                      const std::string& commas) const;
  // {"ok","message","count","file","unremembered"?}: the teacher's file (no name: pasted text),
  // checked whole; a refused one leaves the earlier choice. "unremembered" tells the teacher
  // that a file over kPageMemoryLimit bytes is not kept for the next visit.
  std::string choose(std::string_view bytes, const std::string& name, const std::string& column,
                     const std::string& commas);
  // {"ok","message"}: back to the bundled population.
  std::string useProgramOwn();

  const PopulationSource& source() const { return choice_.source(); }

 private:
  std::filesystem::path folder_;
  PopulationChoice choice_;
};

}  // namespace varnesk
