#include "engine/population_prompts.h"

namespace varnesk {
namespace {
std::string quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

// Pasted text is no file: "o texto colado", never "o arquivo".
bool pasted(std::string_view name) { return name == kPastedName; }
}  // namespace

std::string commaQuestion(std::string_view name) {
  return (pasted(name) ? std::string("No texto colado") : "No arquivo " + quoted(name)) +
         ", as vírgulas podem separar colunas ou marcar decimais: \"1,5\" pode ser um e meio, "
         "ou os valores 1 e 5 em duas colunas. Como ler as vírgulas?";
}

std::string columnPrompt(std::string_view name, std::size_t columns) {
  return (pasted(name) ? std::string("O texto colado") : "O arquivo " + quoted(name)) + " tem " +
         std::to_string(columns) + " colunas. Escolha a coluna com os valores da população:";
}

std::string chosenMessage(std::string_view name, std::int32_t count) {
  return "População escolhida: " + (pasted(name) ? std::string("o texto colado") : quoted(name)) +
         ", com " + std::to_string(count) + (count == 1 ? " valor" : " valores") +
         // A file dropped on an open simulation window does not change what that window shows.
         ". As janelas de simulação abertas a partir de agora usam esta população; as que já "
         "estão abertas seguem com a de antes.";
}

std::string programOwnMessage() {
  return "As janelas de simulação abertas a partir de agora usam a população padrão do programa.";
}

std::string goneMessage(std::string_view file) {
  return "O arquivo de população escolhido (" + std::string(file) +
         ") não foi encontrado. Usando a população padrão do programa.";
}

std::string notKeptMessage(std::string_view file) {
  return "Não foi possível guardar a população em " + quoted(file) + ".";
}

std::string notRememberedMessage(std::size_t limitBytes) {
  return "Esta população tem mais de " + std::to_string(limitBytes / 1000000) +
         " MB e não será lembrada na próxima visita: o navegador guarda só populações menores.";
}

}  // namespace varnesk
