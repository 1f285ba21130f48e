#include "engine/paste_question.h"

#include <algorithm>
#include <memory>

#include "common/number_text.h"
#include "engine/population.h"
#include "engine/population_prompts.h"

namespace varnesk {

std::optional<std::string> pasteQuestion(std::string_view text, const ReadOptions& options,
                                         char separator) {
  const auto scratch = std::make_unique<Population>();
  const PopulationReading reading =
      readPopulationBytes(text, std::string(kPastedName), *scratch, options);
  if (!reading.ok) return std::nullopt;
  constexpr std::int32_t kShown = 5;
  std::string first;
  for (std::int32_t i = 1; i <= std::min(kShown, reading.count); ++i)
    first += (i > 1 ? "; " : "") +
             formatGeneral(scratch->Populacao[static_cast<std::size_t>(i)], separator);
  if (reading.count > kShown) first += "…";
  const bool one = reading.count == 1;
  return "O texto colado tem " + formatThousands(reading.count, separator) +
         (one ? " valor" : " valores") + " (média " +
         formatFixed(reading.sum / reading.count, 3, separator) + "): " + first +
         ".\n\nUsar o texto colado como população? A população de agora pode voltar com "
         "\"Desfazer troca de população\".";
}

}  // namespace varnesk
