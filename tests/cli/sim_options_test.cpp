#include "cli/sim_options.h"

#include <gtest/gtest.h>

namespace varnesk {
namespace {

TEST(ValidarEntradas, SampleSizeFirstThenRepetitions) {
  const struct {
    const char *n, *r, *expected;
  } cases[] = {
      {"", "", "Preencha o campo: Tamanho da Amostra!"},
      {"0.5", "100", "Preencha o campo: Tamanho da Amostra!"},
      {"-5", "100", "Preencha o campo: Tamanho da Amostra!"},
      {"50001", "100", "Tamanho da Amostra muito Grande"},
      {"1e309", "100", "Tamanho da Amostra muito Grande"},
      {"99999999999999999999", "100", "Tamanho da Amostra muito Grande"},
      {"12abc", "0", "Preencha o campo: Número de Repetições!"},
      {"50000", "5001", "Número de Repetições muito Grande"},
      {"1e3", "abc", "Preencha o campo: Número de Repetições!"},
  };
  for (const auto& c : cases) {
    const auto message = validarEntradas(c.n, c.r);
    ASSERT_TRUE(message) << c.n << " / " << c.r;
    EXPECT_EQ(*message, c.expected) << c.n << " / " << c.r;
  }
  EXPECT_FALSE(validarEntradas("50000", "5000"));
  EXPECT_FALSE(validarEntradas("1", "1.5"));
}

}  // namespace
}  // namespace varnesk
