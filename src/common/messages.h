#pragma once
// The input messages, word for word as the users know them.
#include <string_view>

namespace varnesk::messages {

inline constexpr std::string_view kFillSampleSize = "Preencha o campo: Tamanho da Amostra!";
inline constexpr std::string_view kSampleSizeTooLarge = "Tamanho da Amostra muito Grande";
inline constexpr std::string_view kFillRepetitions = "Preencha o campo: Número de Repetições!";
inline constexpr std::string_view kRepetitionsTooLarge = "Número de Repetições muito Grande";
inline constexpr std::string_view kStepByStepMaximum =
    "Número de Repetições Máximo para Passo a Passo é 1000";
inline constexpr std::string_view kStepByStepMinimum = "Número de Repetições Mínimo é 100!";

inline constexpr int kMaxSampleSize = 50000;
inline constexpr int kMaxInstantRepetitions = 5000;

}  // namespace varnesk::messages
