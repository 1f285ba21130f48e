#include "engine/population_choice.h"

#include <fstream>
#include <memory>
#include <system_error>

#include "engine/population_prompts.h"

namespace varnesk {

PopulationChoice::PopulationChoice(std::filesystem::path programPopulation)
    : programPopulation_(std::move(programPopulation)), source_{programPopulation_, {}} {}

void PopulationChoice::replaceBy(const PopulationSource& chosen) {
  previous_ = source_;
  source_ = chosen;
}

std::optional<std::string> PopulationChoice::restore(const RememberedPopulation& remembered) {
  source_ = PopulationSource{programPopulation_, {}};
  if (remembered.file.empty()) return std::nullopt;
  std::error_code error;
  if (!std::filesystem::exists(remembered.file, error)) return goneMessage(remembered.file);
  // Pasted text comes back under its own name, not the file that keeps it (or keeps it aside).
  const bool pasted =
      std::filesystem::path(remembered.file)
          .filename()
          .string()
          .starts_with(std::filesystem::path(kPastedPopulationFile).stem().string());
  source_ = PopulationSource{remembered.file,
                             {remembered.column, remembered.commas},
                             pasted ? std::string(kPastedName) : std::string()};
  return std::nullopt;
}

RememberedPopulation PopulationChoice::remembered() const {
  if (programOwn()) return {};
  return {source_.file.string(), source_.options.column, source_.options.commas};
}

PopulationReading PopulationChoice::check(std::string_view text, const PopulationSource& chosen) {
  // The windows' own store is not touched: a scratch one takes the trial reading.
  const auto scratch = std::make_unique<Population>();
  return readPopulationBytes(text, chosen.named(), *scratch, chosen.options);
}

PopulationReading PopulationChoice::choose(const PopulationSource& chosen) {
  const PopulationFileText content = readPopulationFile(chosen.file);
  if (!content.ok) return {false, 0.0, content.message, {}};
  PopulationReading reading = check(content.text(), chosen);
  if (reading.ok) replaceBy(chosen);
  return reading;
}

PopulationReading PopulationChoice::chooseText(const std::filesystem::path& file,
                                               std::string_view text, const ReadOptions& options,
                                               const std::string& label) {
  const PopulationSource chosen{file, options, label};
  PopulationReading reading = check(text, chosen);
  if (!reading.ok) return reading;
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  // The text kept for the choice of now is set aside first, so that an undo still finds it.
  PopulationSource before = source_;
  if (before.file == file) {
    std::filesystem::path aside = file;
    aside.replace_filename(file.stem().string() + "_anterior" + file.extension().string());
    std::filesystem::copy_file(file, aside, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (!error) before.file = aside;
  }
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out.flush()) return {false, 0.0, notKeptMessage(file.string()), {}};
  previous_ = before;
  source_ = chosen;
  return reading;
}

PopulationReading PopulationChoice::undo() {
  if (!previous_) return {false, 0.0, std::string(kNothingToUndo), {}};
  const PopulationSource back = *previous_;
  if (back.file == programPopulation_) {
    useProgramOwn();
    return {true, 0.0, programOwnMessage(), {}};
  }
  const PopulationFileText content = readPopulationFile(back.file);
  PopulationReading reading =
      content.ok ? check(content.text(), back) : PopulationReading{false, 0.0, content.message, {}};
  if (!reading.ok) return reading;
  replaceBy(back);
  reading.message = chosenMessage(back.name(), reading.count);
  return reading;
}

}  // namespace varnesk
