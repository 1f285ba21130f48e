#include "engine/configuration.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/recording_platform.h"

namespace varnesk {
namespace {

struct Case {
  const char *n, *r;
  JanelaAAbrir opens;
  std::vector<std::string> events;
};

const std::string kFocusN = "focus: TamanhodaAmostraTXT";
const std::string kFocusR = "focus: NumeroRepeticoesTXT";

TEST(Configuracao, Instantaneo) {
  const Case cases[] = {
      {"", "100", JanelaAAbrir::Nenhuma, {"message: Preencha o campo: Tamanho da Amostra!", kFocusN}},
      {"", "", JanelaAAbrir::Nenhuma, {"message: Preencha o campo: Tamanho da Amostra!", kFocusN}},
      {"50001", "100", JanelaAAbrir::Nenhuma, {"message: Tamanho da Amostra muito Grande", kFocusN}},
      {"50000", "1", JanelaAAbrir::Instantanea, {}},
      {"12abc", "0", JanelaAAbrir::Nenhuma, {"message: Preencha o campo: Número de Repetições!", kFocusR}},
      {"1.5", "1000", JanelaAAbrir::Instantanea, {}},
      {"10", "1500", JanelaAAbrir::Instantanea,
       {"message: Número de Repetições Máximo para Passo a Passo é 1000", kFocusR}},
      {"10", "6000", JanelaAAbrir::Instantanea,
       {"message: Número de Repetições Máximo para Passo a Passo é 1000", kFocusR}},
  };
  for (const auto& c : cases) {
    testing::RecordingPlatform platform;
    EXPECT_EQ(cliqueInstantaneo(c.n, c.r, platform), c.opens) << c.n << " / " << c.r;
    EXPECT_EQ(platform.events, c.events) << c.n << " / " << c.r;
  }
}

TEST(Configuracao, PassoAPasso) {
  const Case cases[] = {
      {"0", "100", JanelaAAbrir::Nenhuma, {"message: Preencha o campo: Tamanho da Amostra!", kFocusN}},
      {"10", "", JanelaAAbrir::Nenhuma, {"message: Número de Repetições Mínimo é 100!", kFocusR}},
      {"10", "99", JanelaAAbrir::Nenhuma, {"message: Número de Repetições Mínimo é 100!", kFocusR}},
      {"10", "100", JanelaAAbrir::PassoAPasso, {}},
      {"10", "1000", JanelaAAbrir::PassoAPasso, {}},
      {"10", "1001", JanelaAAbrir::Nenhuma,
       {"message: Número de Repetições Máximo para Passo a Passo é 1000", kFocusR}},
  };
  for (const auto& c : cases) {
    testing::RecordingPlatform platform;
    EXPECT_EQ(cliquePassoAPasso(c.n, c.r, platform), c.opens) << c.n << " / " << c.r;
    EXPECT_EQ(platform.events, c.events) << c.n << " / " << c.r;
  }
}

}  // namespace
}  // namespace varnesk
