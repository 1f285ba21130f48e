#include "engine/population_choice.h"

#include <fstream>
#include <memory>
#include <system_error>

#include "engine/population_prompts.h"

namespace varnesk {

PopulationChoice::PopulationChoice(std::filesystem::path programPopulation)
    : programPopulation_(std::move(programPopulation)), source_{programPopulation_, {}} {}

std::optional<std::string> PopulationChoice::restore(const RememberedPopulation& remembered) {
  useProgramOwn();
  if (remembered.file.empty()) return std::nullopt;
  std::error_code error;
  if (!std::filesystem::exists(remembered.file, error)) return goneMessage(remembered.file);
  source_ = PopulationSource{remembered.file, {remembered.column, remembered.commas}};
  return std::nullopt;
}

RememberedPopulation PopulationChoice::remembered() const {
  if (programOwn()) return {};
  return {source_.file.string(), source_.options.column, source_.options.commas};
}

PopulationReading PopulationChoice::check(std::string_view text, const PopulationSource& chosen) {
  // The windows' own store is not touched: a scratch one takes the trial reading.
  const auto scratch = std::make_unique<Population>();
  return readPopulationBytes(text, chosen.file.string(), *scratch, chosen.options);
}

PopulationReading PopulationChoice::choose(const PopulationSource& chosen) {
  const PopulationFileText content = readPopulationFile(chosen.file);
  if (!content.ok) return {false, 0.0, content.message, {}};
  PopulationReading reading = check(content.text(), chosen);
  if (reading.ok) source_ = chosen;
  return reading;
}

PopulationReading PopulationChoice::chooseText(const std::filesystem::path& file,
                                               std::string_view text, const ReadOptions& options) {
  const PopulationSource chosen{file, options};
  PopulationReading reading = check(text, chosen);
  if (!reading.ok) return reading;
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out.flush()) return {false, 0.0, notKeptMessage(file.string()), {}};
  source_ = chosen;
  return reading;
}

}  // namespace varnesk
