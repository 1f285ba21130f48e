#pragma once
// The input messages, word for word as the users know them.
#include <string>
#include <string_view>

namespace varnesk::messages {

inline constexpr std::string_view kFillSampleSize = "Preencha o campo: Tamanho da Amostra!";
inline constexpr std::string_view kSampleSizeTooLarge = "Tamanho da Amostra muito Grande";
inline constexpr std::string_view kFillRepetitions = "Preencha o campo: Número de Repetições!";
inline constexpr std::string_view kRepetitionsTooLarge = "Número de Repetições muito Grande";
inline constexpr std::string_view kStepByStepMaximum =
    "Número de Repetições Máximo para Passo a Passo é 1000";
inline constexpr std::string_view kStepByStepMinimum = "Número de Repetições Mínimo é 100!";

// The title of every message box.
inline constexpr std::string_view kMessageBoxTitle = "Varnesk";

// A seed given on the command line that is not a whole number from 0 to 2^64 - 1.
inline std::string badSeedMessage(std::string_view text) {
  return "--semente: \"" + std::string(text) + "\" não é um inteiro de 0 a 18446744073709551615";
}

// A seed typed in a window's "Definir semente…" that is not a whole number from 0 to 2^64 - 1.
inline constexpr std::string_view kBadSeedInWindow =
    "A semente é um número inteiro de 0 a 18446744073709551615, como 482913.";

// Saving a chart, the means or a comparison before there is anything to save.
inline constexpr std::string_view kNothingToSave = "Nada para salvar: faça uma simulação primeiro.";

// "Ouvir o histograma" before there is a histogram.
inline constexpr std::string_view kNothingToHear = "Nada para ouvir: faça uma simulação primeiro.";
// The histogram's sound could not be written where the player reads it.
inline constexpr std::string_view kSoundNotWritten =
    "Não foi possível preparar o som do histograma.";

}  // namespace varnesk::messages
