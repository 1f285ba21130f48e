#pragma once
// The words both front ends use while the teacher chooses a population: the question about
// ambiguous commas, the column chooser, and what is said once a choice is made or lost.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnesk {

inline constexpr std::string_view kCommaDecimal = "Vírgula decimal";
inline constexpr std::string_view kCommaSeparator = "Vírgula separa colunas";
inline constexpr std::string_view kCancel = "Cancelar";
inline constexpr std::string_view kColumnTitle = "Escolher coluna da população";
inline constexpr std::string_view kUseColumn = "Usar esta coluna";
inline constexpr std::string_view kOpenTitle = "Abrir população";
inline constexpr std::string_view kOpenFilter =
    "Populações (*.txt *.csv *.tsv *.tab);;Todos os arquivos (*)";
// What pasted text is called in the reader's messages.
inline constexpr std::string_view kPastedName = "texto colado";
inline constexpr std::string_view kNothingToUndo = "Não há troca de população a desfazer.";

std::string commaQuestion(std::string_view name);
std::string columnPrompt(std::string_view name, std::size_t columns);
std::string chosenMessage(std::string_view name, std::int32_t count);
std::string programOwnMessage();
std::string goneMessage(std::string_view file);
std::string notKeptMessage(std::string_view file);
std::string notRememberedMessage(std::size_t limitBytes);

}  // namespace varnesk
