// What students type into the two text boxes: nothing, blanks, words, signs, fractions,
// exponents, numbers beyond any range. Every text gets the configuration screen's message, the
// instant window's message, or a correct run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/population.h"
#include "engine/sampling_run.h"
#include "engine/simulation_window.h"
#include "support/recording_platform.h"
#include "temp_folder.h"

namespace varnesk {
namespace {

using testing::RecordingPlatform;

enum class Resposta {
  Aceita,
  PreenchaTamanho,
  TamanhoGrande,
  PreenchaRepeticoes,
  RepeticoesGrande,
  Maximo,  // "Máximo para Passo a Passo": a warning before the instant window, a refusal otherwise
  Minimo,
};

std::string mensagemDe(Resposta r) {
  switch (r) {
    case Resposta::PreenchaTamanho: return std::string(mensagens::kPreenchaTamanho);
    case Resposta::TamanhoGrande: return std::string(mensagens::kTamanhoGrande);
    case Resposta::PreenchaRepeticoes: return std::string(mensagens::kPreenchaRepeticoes);
    case Resposta::RepeticoesGrande: return std::string(mensagens::kRepeticoesGrande);
    case Resposta::Maximo: return std::string(mensagens::kMaximoPassoAPasso);
    case Resposta::Minimo: return std::string(mensagens::kMinimoPassoAPasso);
    case Resposta::Aceita: break;
  }
  return "";
}

// The message box, then the focus on the text box concerned; nothing when the input passes.
std::vector<std::string> eventosDe(Resposta r, const std::string& caixa) {
  if (r == Resposta::Aceita) return {};
  return {"message: " + mensagemDe(r), "focus: " + caixa};
}

const std::string kCaixaTamanho = "TamanhodaAmostraTXT";
const std::string kCaixaRepeticoes = "NumeroRepeticoesTXT";

struct Entrada {
  std::string text;
  Resposta comoTamanho;      // sample size, with 100 repetitions, on either button
  Resposta noInstantaneo;    // repetitions, "Instantâneo", sample size 10
  Resposta noPassoAPasso;    // repetitions, "Passo a Passo", sample size 10
  std::int32_t amostras;     // means of the instant window's run with that repetitions text
};

using enum Resposta;
constexpr std::int32_t kRecusada = 0;  // the instant window shows its message instead

const std::string kMilDigitos(1000, '7');

const std::vector<Entrada> kEntradas = {
    {"", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"   ", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"\t", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"12abc", Aceita, Aceita, Minimo, 12},
    {"1e3", Aceita, Aceita, Aceita, 1000},
    {"-5", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"0.5", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"1e309", TamanhoGrande, Maximo, Maximo, kRecusada},
    {"99999999999999999999", TamanhoGrande, Maximo, Maximo, kRecusada},
    {kMilDigitos, TamanhoGrande, Maximo, Maximo, kRecusada},
    {"-" + kMilDigitos, PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"1e-400", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"-0", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"nan", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"inf", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"0x10", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},
    {"\xEF\xBC\x91\xEF\xBC\x92", PreenchaTamanho, PreenchaRepeticoes, Minimo, kRecusada},  // full-width 12
    {"1.5", Aceita, Aceita, Minimo, 1},
    {"+7", Aceita, Aceita, Minimo, 7},
    {" 1,5", Aceita, Aceita, Minimo, 1},
    {"99.9", Aceita, Aceita, Minimo, 99},
    {"0.1e4", Aceita, Aceita, Aceita, 1000},
    {"1000.5", Aceita, Maximo, Maximo, 1000},
    {"5000", Aceita, Maximo, Maximo, 5000},
    {"5000.9", Aceita, Maximo, Maximo, kRecusada},
    {"5001", Aceita, Maximo, Maximo, kRecusada},
    {"50000", Aceita, Maximo, Maximo, kRecusada},
    {"50001", TamanhoGrande, Maximo, Maximo, kRecusada},
};

std::string shown(const std::string& text) {
  return text.size() > 24 ? text.substr(0, 24) + "...(" + std::to_string(text.size()) + ")" : text;
}

// 2000 values from 0.5 to 10.
class TextosHostis : public ::testing::Test {
 protected:
  static constexpr double kMenor = 0.5, kMaior = 10.0;

  void SetUp() override {
    std::string content;
    for (int i = 0; i < 2000; ++i) content += formatFixed(kMenor + (i % 20) * 0.5, 1, '.') + "\n";
    testing::writeBytes(file(), content);
  }
  std::filesystem::path file() const { return folder_.path() / "populacao.txt"; }
  AmbienteJanela ambiente(RecordingPlatform& platform) const {
    return {platform, testing::fixedMeasure, '.', file(), [] { return 3u; }};
  }
  // A caption of the panel is a number from the population's range.
  static void expectCaptionInRange(const Label& label) {
    const double v = parseLeadingNumber(label.caption);
    EXPECT_GE(v, kMenor) << label.name << " " << label.caption;
    EXPECT_LE(v, kMaior) << label.name << " " << label.caption;
  }

  testing::TempFolder folder_;
};

TEST_F(TextosHostis, ConfigurationScreenAnswersEveryTextWithItsMessage) {
  for (const Entrada& e : kEntradas) {
    SCOPED_TRACE("\"" + shown(e.text) + "\"");
    {
      RecordingPlatform p;
      const JanelaAAbrir opened = cliqueInstantaneo(e.text, "100", p);
      EXPECT_EQ(p.events, eventosDe(e.comoTamanho, kCaixaTamanho)) << "sample size, Instantâneo";
      EXPECT_EQ(opened, e.comoTamanho == Aceita ? JanelaAAbrir::Instantanea : JanelaAAbrir::Nenhuma);
    }
    {
      RecordingPlatform p;
      const JanelaAAbrir opened = cliquePassoAPasso(e.text, "100", p);
      EXPECT_EQ(p.events, eventosDe(e.comoTamanho, kCaixaTamanho)) << "sample size, Passo a Passo";
      EXPECT_EQ(opened, e.comoTamanho == Aceita ? JanelaAAbrir::PassoAPasso : JanelaAAbrir::Nenhuma);
    }
    {
      RecordingPlatform p;
      const JanelaAAbrir opened = cliqueInstantaneo("10", e.text, p);
      EXPECT_EQ(p.events, eventosDe(e.noInstantaneo, kCaixaRepeticoes)) << "repetitions, Instantâneo";
      // Above 1000 is only a warning before the instant window.
      EXPECT_EQ(opened, e.noInstantaneo == PreenchaRepeticoes ? JanelaAAbrir::Nenhuma : JanelaAAbrir::Instantanea);
    }
    {
      RecordingPlatform p;
      const JanelaAAbrir opened = cliquePassoAPasso("10", e.text, p);
      EXPECT_EQ(p.events, eventosDe(e.noPassoAPasso, kCaixaRepeticoes)) << "repetitions, Passo a Passo";
      EXPECT_EQ(opened, e.noPassoAPasso == Aceita ? JanelaAAbrir::PassoAPasso : JanelaAAbrir::Nenhuma);
    }
  }
}

TEST_F(TextosHostis, InstantWindowRefusesOrRunsTheWholeNumberOfSamples) {
  for (const Entrada& e : kEntradas) {
    SCOPED_TRACE("\"" + shown(e.text) + "\"");
    RecordingPlatform platform;
    JanelaSimulacao janela(TipoJanela::Instantanea, ambiente(platform));
    ASSERT_TRUE(janela.Load("10", e.text));
    EXPECT_EQ(janela.modelo().NumeroRepeticoesTXT.text, e.text) << "the text is shown as typed";
    platform.events.clear();
    janela.Simular();
    const Corrida& run = janela.corrida();
    if (e.amostras == kRecusada) {
      const Resposta expected = parseLeadingNumber(e.text) < 1 ? PreenchaRepeticoes : RepeticoesGrande;
      EXPECT_EQ(platform.events, eventosDe(expected, kCaixaRepeticoes));
      EXPECT_EQ(run.ordenadas.ContagemOrdenadas, 0);
      EXPECT_EQ(janela.modelo().MinimoLBL.caption, "0") << "the panel keeps its design text";
      continue;
    }
    EXPECT_EQ(platform.events, (std::vector<std::string>{"busy", "idle"}));
    EXPECT_EQ(run.ordenadas.ContagemOrdenadas, e.amostras);
    for (float m : run.ordenadas.valores()) {
      EXPECT_GE(m, kMenor);
      EXPECT_LE(m, kMaior);
    }
    expectCaptionInRange(janela.modelo().MinimoLBL);
    expectCaptionInRange(janela.modelo().MaximoLBL);
    expectCaptionInRange(janela.modelo().MediaLBL);
  }
}

}  // namespace
}  // namespace varnesk
