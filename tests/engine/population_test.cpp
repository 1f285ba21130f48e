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

TEST(LerPopulacao, RefusalsNameTheFileTheLineAndTheText) {
  const struct {
    const char* name;
    std::string text;
    std::string expectedPart;
  } cases[] = {
      {"empty", "", "não tem nenhum valor"},
      {"only blanks and breaks", " \n\r\n\t\n", "não tem nenhum valor"},
      {"word", "1\n2\nabc\n", "linha 3: \"abc\""},
      {"trailing junk", "1.5x", "linha 1: \"1.5x\""},
      {"empty field", "1,,2", "valor vazio na linha 1"},
      {"trailing comma", "1\n2,\n", "valor vazio na linha 2"},
      {"nan", "1\nnan", "linha 2: \"nan\""},
      {"inf", "inf", "linha 1: \"inf\""},
      {"beyond double", "1e400", "linha 1: \"1e400\""},
      {"beyond the accepted range", "2e15", "fora do intervalo aceito na linha 1"},
      {"NUL bytes", std::string("1\n\0\0\x01", 5), "linha 2: \"???\""},
      {"UTF-16", "\xFF\xFE" "1\0.\0" "5\0", "UTF-16"},
      {"long field is cut", std::string(5000, 'x'), "\"" + std::string(40, 'x') + "...\""},
  };
  for (const auto& c : cases) {
    Population p;
    p.Populacao[1] = 42;
    p.TamanhoPopulacao = 1;
    const auto result = LerPopulacaoTexto(c.text, "/aula/populacao.txt", p);
    EXPECT_FALSE(result.ok) << c.name;
    EXPECT_NE(result.mensagem.find("\"/aula/populacao.txt\""), std::string::npos) << c.name;
    EXPECT_NE(result.mensagem.find(c.expectedPart), std::string::npos) << c.name << ": " << result.mensagem;
    // Nothing of a refused file is loaded.
    EXPECT_EQ(p.TamanhoPopulacao, 1) << c.name;
    EXPECT_EQ(p.Populacao[1], 42) << c.name;
  }
}

TEST(LerPopulacao, CapacityIsExactly578000Values) {
  std::string full;
  for (int i = 0; i < kCapacidadePopulacao; ++i) full += "1.25\n";
  Population p;
  ASSERT_TRUE(LerPopulacaoTexto(full, "f", p).ok);
  EXPECT_EQ(p.TamanhoPopulacao, kCapacidadePopulacao);
  EXPECT_EQ(p.Populacao.size(), static_cast<std::size_t>(kCapacidadePopulacao) + 1);

  const auto over = LerPopulacaoTexto(full + "2\n", "f", p);
  EXPECT_FALSE(over.ok);
  EXPECT_NE(over.mensagem.find("mais de 578000 valores"), std::string::npos);
}

TEST(LerPopulacao, ShorterSecondReadingKeepsHigherSlots) {
  Population p;
  ASSERT_TRUE(LerPopulacaoTexto("1\n2\n3", "f", p).ok);
  ASSERT_TRUE(LerPopulacaoTexto("9", "f", p).ok);
  EXPECT_EQ(p.TamanhoPopulacao, 1);
  EXPECT_EQ(stored(p), std::vector<double>{9});
  EXPECT_EQ(p.Populacao[2], 2);
}

TEST(LerPopulacao, FilesThatCannotBeRead) {
  const auto dir = std::filesystem::temp_directory_path() / "varnesk_population_test";
  std::filesystem::create_directories(dir / "pasta");
  Population p;
  const auto missing = LerPopulacao(dir / "nao_existe.txt", p);
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.mensagem.find("nao_existe.txt"), std::string::npos);
  const auto folder = LerPopulacao(dir / "pasta", p);
  EXPECT_FALSE(folder.ok);
  EXPECT_NE(folder.mensagem.find("é uma pasta"), std::string::npos);

  // Neither a device that never ends nor a pipe that never answers is waited on.
  ASSERT_EQ(mkfifo((dir / "fila").c_str(), 0600), 0);
  for (const std::filesystem::path& special : {std::filesystem::path("/dev/zero"), dir / "fila"}) {
    const auto result = LerPopulacao(special, p);
    EXPECT_FALSE(result.ok) << special;
    EXPECT_NE(result.mensagem.find("não é um arquivo comum"), std::string::npos) << special;
  }

  std::ofstream(dir / "ok.txt") << "1.5\n2\n0.25\n";
  const auto ok = LerPopulacao(dir / "ok.txt", p);
  EXPECT_TRUE(ok.ok);
  EXPECT_EQ(ok.soma, 3.75);
  EXPECT_EQ(p.TamanhoPopulacao, 3);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace varnesk
