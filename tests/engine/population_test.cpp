#include "engine/population.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace varnesk {
namespace {

std::vector<double> stored(const Population& p) {
  return {p.Populacao.begin() + 1, p.Populacao.begin() + 1 + p.TamanhoPopulacao};
}

TEST(LerPopulacao, AcceptedLayoutsGiveTheSameStore) {
  const std::vector<double> three{1.5, 2, 0.25};
  const struct {
    const char* name;
    std::string text;
    std::vector<double> values;
  } cases[] = {
      {"one per line", "1.5\n2\n0.25", three},
      {"final line break", "1.5\n2\n0.25\n", three},
      {"commas", "1.5,2,0.25", three},
      {"blanks around values", "  1.5 ,\t2 \n 0.25  \n", three},
      {"CRLF", "1.5\r\n2\r\n0.25\r\n", three},
      {"CR only", "1.5\r2\r0.25", three},
      {"byte-order mark", "\xEF\xBB\xBF" "1.5\n2\n0.25\n", three},
      {"blank lines", "\n1.5\n\n  \n2\n0.25\n\n", three},
      {"decimal comma splits the value", "0,25", {0, 25}},
      {"signs and exponents", "-0\n+1.5\n2e-1", {-0.0, 1.5, 0.2}},
  };
  for (const auto& c : cases) {
    Population p;
    const auto result = LerPopulacaoTexto(c.text, "populacao.txt", p);
    ASSERT_TRUE(result.ok) << c.name << ": " << result.mensagem;
    EXPECT_EQ(stored(p), c.values) << c.name;
    double sum = 0;
    for (double v : c.values) sum += v;
    EXPECT_EQ(result.soma, sum) << c.name;
  }
}

TEST(LerPopulacao, ShorterSecondReadingKeepsHigherSlots) {
  Population p;
  ASSERT_TRUE(LerPopulacaoTexto("1\n2\n3", "f", p).ok);
  ASSERT_TRUE(LerPopulacaoTexto("9", "f", p).ok);
  EXPECT_EQ(p.TamanhoPopulacao, 1);
  EXPECT_EQ(stored(p), std::vector<double>{9});
  EXPECT_EQ(p.Populacao[2], 2);
}

TEST(LerPopulacao, SpecialFilesAreNotWaitedOn) {
  const auto dir = std::filesystem::temp_directory_path() / "varnesk_population_test";
  std::filesystem::create_directories(dir);
  Population p;
  // Neither a device that never ends nor a pipe that never answers is waited on.
  ASSERT_EQ(mkfifo((dir / "fila").c_str(), 0600), 0);
  for (const std::filesystem::path& special : {std::filesystem::path("/dev/zero"), dir / "fila"}) {
    const auto result = LerPopulacao(special, p);
    EXPECT_FALSE(result.ok) << special;
    EXPECT_NE(result.mensagem.find("não é um arquivo comum"), std::string::npos) << special;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace varnesk
