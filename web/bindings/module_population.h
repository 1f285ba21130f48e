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
  // {"question","use","cancel"}: what pasted text would become, asked before it is chosen;
  // question null for text the reader refuses (choose then says why).
  std::string pasteQuestion(std::string_view bytes, const std::string& column,
                            const std::string& commas, const std::string& separator) const;
  // {"ok","message"}: the choice before the last change, if it still reads.
  std::string undo();

  const PopulationSource& source() const { return choice_.source(); }

 private:
  std::filesystem::path folder_;
  PopulationChoice choice_;
};

}  // namespace varnesk
