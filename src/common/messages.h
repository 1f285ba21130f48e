#pragma once
// The input messages, word for word as the users know them.
#include <string_view>

namespace varnesk::mensagens {

inline constexpr std::string_view kPreenchaTamanho = "Preencha o campo: Tamanho da Amostra!";
inline constexpr std::string_view kTamanhoGrande = "Tamanho da Amostra muito Grande";
inline constexpr std::string_view kPreenchaRepeticoes = "Preencha o campo: Número de Repetições!";
inline constexpr std::string_view kRepeticoesGrande = "Número de Repetições muito Grande";
inline constexpr std::string_view kMaximoPassoAPasso =
    "Número de Repetições Máximo para Passo a Passo é 1000";
inline constexpr std::string_view kMinimoPassoAPasso = "Número de Repetições Mínimo é 100!";

inline constexpr int kMaiorTamanhoAmostra = 50000;
inline constexpr int kMaiorRepeticoesInstantanea = 5000;

}  // namespace varnesk::mensagens
