#include "engine/configuration.h"

#include "common/messages.h"
#include "common/number_text.h"

namespace varnesk {
namespace {

constexpr const char* kTamanho = "TamanhodaAmostraTXT";
constexpr const char* kRepeticoes = "NumeroRepeticoesTXT";

void refuse(Platform& platform, std::string_view message, const char* focus) {
  platform.showMessage(std::string(message));
  platform.setFocus(focus);
}

// Both buttons check the sample size first, the same way.
bool sampleSizeAccepted(const std::string& tamanho, Platform& platform) {
  const auto problem = problemaTamanho(parseLeadingNumber(tamanho));
  if (problem) refuse(platform, *problem, kTamanho);
  return !problem;
}

}  // namespace

std::optional<std::string_view> problemaTamanho(double n) {
  if (!(n >= 1)) return mensagens::kPreenchaTamanho;
  if (n > mensagens::kMaiorTamanhoAmostra) return mensagens::kTamanhoGrande;
  return std::nullopt;
}

std::optional<std::string_view> problemaRepeticoesInstantanea(double r) {
  if (!(r >= 1)) return mensagens::kPreenchaRepeticoes;
  if (r > mensagens::kMaiorRepeticoesInstantanea) return mensagens::kRepeticoesGrande;
  return std::nullopt;
}

JanelaAAbrir cliqueInstantaneo(const std::string& tamanho, const std::string& repeticoes,
                               Platform& platform) {
  if (!sampleSizeAccepted(tamanho, platform)) return JanelaAAbrir::Nenhuma;
  const double r = parseLeadingNumber(repeticoes);
  if (!(r >= 1)) {
    refuse(platform, mensagens::kPreenchaRepeticoes, kRepeticoes);
    return JanelaAAbrir::Nenhuma;
  }
  // A warning only: the instant window takes up to 5000 and refuses more itself.
  if (r > 1000) refuse(platform, mensagens::kMaximoPassoAPasso, kRepeticoes);
  return JanelaAAbrir::Instantanea;
}

JanelaAAbrir cliquePassoAPasso(const std::string& tamanho, const std::string& repeticoes,
                               Platform& platform) {
  if (!sampleSizeAccepted(tamanho, platform)) return JanelaAAbrir::Nenhuma;
  const double r = parseLeadingNumber(repeticoes);
  if (!(r >= 100)) {
    refuse(platform, mensagens::kMinimoPassoAPasso, kRepeticoes);
    return JanelaAAbrir::Nenhuma;
  }
  if (r > 1000) {
    refuse(platform, mensagens::kMaximoPassoAPasso, kRepeticoes);
    return JanelaAAbrir::Nenhuma;
  }
  return JanelaAAbrir::PassoAPasso;
}

}  // namespace varnesk
