#include "engine/simulation_window.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "chart/normal_curve.h"
#include "chart/dots.h"
#include "chart/grid.h"
#include "chart/x_axis.h"
#include "chart/y_axis.h"
#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/erro_padrao.h"
#include "engine/means_csv.h"
#include "engine/population.h"
#include "engine/sampling_run.h"
#include "engine/run_seeder.h"

namespace varnesk {

struct SimulationWindow::Estado {
  WindowKind tipo;
  WindowEnvironment ambiente;
  WindowModel modelo;
  Population populacao;
  SamplingRun corrida;
  ChartState grafico;
  std::optional<RunSeeder> gerador;
  // Step-by-step window only.
  std::int32_t TotalRepeticoes = 0;
  float MediaPopulacao = 0;
  float SomaMedias = 0;
  bool mostrarCurva = false;  // instant window only

  MeanPrecision precisao() const {
    return tipo == WindowKind::Instant ? MeanPrecision::Single : MeanPrecision::Double;
  }
  double repeticoesMostradas() const { return parseLeadingNumber(modelo.NumeroRepeticoesTXT.text); }
  void setRepeticoes(long long value) { modelo.NumeroRepeticoesTXT.text = formatWhole(value); }

  bool carregarPopulacao();
  void gerarAmostras();
  void calcularEstatisticas();
  void montarEixoYPassoAPasso();
  void carregarPassoAPasso();
  void simularInstantaneo();
  void simularPassoAPasso();
  void desenharCurvaNormal();
};

bool SimulationWindow::Estado::carregarPopulacao() {
  gerador.emplace(ambiente.semente ? ambiente.semente() : clockSeed());
  const PopulationReading leitura = LerPopulacao(ambiente.arquivoPopulacao, populacao);
  if (!leitura.ok) {
    ambiente.platform.showMessage(leitura.mensagem);
    return false;
  }
  // A sample larger than the population is refused as every other sample size is: with its
  // message and the focus on the box to correct, which belongs to the configuration screen.
  if (const auto problema =
          refuseSampleSize(parseLeadingNumber(modelo.TamanhodaAmostraTXT.text), populacao)) {
    ambiente.platform.showMessage(*problema);
    ambiente.platform.setFocus(modelo.TamanhodaAmostraTXT.name);
    return false;
  }
  MediaPopulacao = static_cast<float>(leitura.soma / populacao.TamanhoPopulacao);
  return true;
}

// The run, then its scale and X axis (in the instant window also its Y axis and columns).
void SimulationWindow::Estado::gerarAmostras() {
  GerarAmostras(populacao, parseLeadingNumber(modelo.TamanhodaAmostraTXT.text),
                repeticoesMostradas(), gerador->nextRunSeed(), precisao(), corrida);
  grafico.escala = EscolherEscala(corrida.MenorMedia, corrida.MaiorMedia, tipo);
  grafico.MenorMedia = corrida.MenorMedia;
  MontarEixoX(tipo, modelo.chart, grafico, {corrida.sortedMeans.values(), MediaPopulacao},
              ambiente.medir, ambiente.separador);
}

void SimulationWindow::Estado::calcularEstatisticas() {
  const Statistics e = CalcularEstatisticas(corrida.sortedMeans.values(), corrida.MediaGeral,
                                              precisao(), ambiente.separador);
  modelo.MedianaLBL.caption = e.mediana;
  modelo.Q1LBL.caption = e.q1;
  modelo.Q3LBL.caption = e.q3;
  modelo.MinimoLBL.caption = e.minimo;
  modelo.MaximoLBL.caption = e.maximo;
  modelo.MediaLBL.caption = e.media;
  modelo.dpLBL.caption = e.dp;
}

// Fits the Y axis to the stage that the next steps build: the first 100, 500 or 1000 means of
// the run, never past the run's own means.
void SimulationWindow::Estado::montarEixoYPassoAPasso() {
  const double shown = repeticoesMostradas();
  const int stageEnd = shown < 101 ? 100 : shown < 501 ? 500 : 1000;
  const auto count = static_cast<std::size_t>(std::min(stageEnd, TotalRepeticoes));
  const std::span<const float> stage(corrida.Medias.data() + 1, count);
  MontarEixoYContagem(modelo.chart, grafico, stage, static_cast<int>(shown), ambiente.medir,
                      ambiente.separador);
}

void SimulationWindow::Estado::carregarPassoAPasso() {
  Platform& platform = ambiente.platform;
  setRepeticoes(TotalRepeticoes);
  // The whole run is drawn now; the clicks replay its means one by one.
  corrida.sortedMeans.ContagemOrdenadas = 0;
  platform.setBusy(true);
  MontarGrade(modelo.chart, grafico);
  gerarAmostras();
  platform.setBusy(false);
  std::fill_n(grafico.Frequencias.begin(), grafico.escala.NumeroClasses + 1, 0.0);
  modelo.NumeroRepeticoesTXT.text = "100";
  montarEixoYPassoAPasso();
  modelo.NumeroRepeticoesTXT.text = "0";
  modelo.NumeroRepeticoesTXT.enabled = false;
  std::fill(corrida.sortedMeans.MediasOrdenadas.begin(), corrida.sortedMeans.MediasOrdenadas.end(),
            0.0f);
  corrida.sortedMeans.ContagemOrdenadas = 0;
}

void SimulationWindow::Estado::simularInstantaneo() {
  Platform& platform = ambiente.platform;
  corrida.sortedMeans.ContagemOrdenadas = 0;
  if (const auto problem = instantRepetitionsProblem(repeticoesMostradas())) {
    platform.showMessage(std::string(*problem));
    platform.setFocus(modelo.NumeroRepeticoesTXT.name);
    return;
  }
  platform.setBusy(true);
  MontarGrade(modelo.chart, grafico);
  gerarAmostras();
  calcularEstatisticas();
  desenharCurvaNormal();
  platform.setBusy(false);
}

void SimulationWindow::Estado::desenharCurvaNormal() {
  modelo.chart.NormalCurve.clear();
  if (!mostrarCurva || corrida.sortedMeans.ContagemOrdenadas == 0) return;
  const auto n = static_cast<std::int32_t>(parseLeadingNumber(modelo.TamanhodaAmostraTXT.text));
  const StandardError teoria = standardError(populacao, n);
  modelo.chart.NormalCurve = normalCurve(modelo.chart, grafico, teoria.media, teoria.epCorrigido);
}

void SimulationWindow::Estado::simularPassoAPasso() {
  const double shown = repeticoesMostradas();
  // Past the end of the run there is no mean left to show.
  if (!(shown >= 0) || shown >= TotalRepeticoes || !modelo.Command1.enabled) return;
  if (shown == 101 || shown == 501) montarEixoYPassoAPasso();
  const auto r = static_cast<std::int32_t>(shown) + 1;
  setRepeticoes(r);
  const float x = corrida.Medias[static_cast<std::size_t>(r)];
  SomaMedias = static_cast<float>(static_cast<double>(SomaMedias) + x);
  corrida.sortedMeans.OrdenarMedias(x);
  corrida.MediaGeral = static_cast<double>(SomaMedias) / r;
  AjustarColunas(modelo.chart, grafico, x);
  calcularEstatisticas();
  if (repeticoesMostradas() == TotalRepeticoes) modelo.Command1.enabled = false;
}

SimulationWindow::SimulationWindow(WindowKind tipo, WindowEnvironment ambiente)
    : estado_(std::make_unique<Estado>(
          Estado{tipo, std::move(ambiente), initialModel(tipo), {}, {}, {}, {}})) {}

SimulationWindow::~SimulationWindow() = default;

bool SimulationWindow::Load(const std::string& tamanhoTexto, const std::string& repeticoesTexto) {
  Estado& s = *estado_;
  // A window opens with its design values; the run state keeps what Load does not reset.
  s.modelo = initialModel(s.tipo);
  s.modelo.TamanhodaAmostraTXT.text = tamanhoTexto;
  if (s.tipo == WindowKind::Instant) {
    s.modelo.NumeroRepeticoesTXT.text = repeticoesTexto;
    s.corrida.MaiorMedia = s.corrida.MenorMedia = 0;
    s.corrida.sortedMeans.ContagemOrdenadas = 0;
    if (!s.carregarPopulacao()) return false;
    MontarGrade(s.modelo.chart, s.grafico);
    std::fill(s.corrida.sortedMeans.MediasOrdenadas.begin(),
              s.corrida.sortedMeans.MediasOrdenadas.end(), 0.0f);
    s.grafico.Frequencias.fill(0);
    return true;
  }
  const double total = roundHalfEven(parseLeadingNumber(repeticoesTexto));
  s.TotalRepeticoes = static_cast<std::int32_t>(std::clamp(total, 0.0, double{kMaxMeans}));
  s.SomaMedias = 0;
  s.corrida.MaiorMedia = s.corrida.MenorMedia = 0;
  s.corrida.sortedMeans.ContagemOrdenadas = 0;
  if (!s.carregarPopulacao()) return false;
  s.carregarPassoAPasso();
  return true;
}

void SimulationWindow::Simular() {
  if (estado_->tipo == WindowKind::Instant)
    estado_->simularInstantaneo();
  else
    estado_->simularPassoAPasso();
}

void SimulationWindow::simulateMany(int vezes) {
  for (int i = 0; i < vezes && estado_->modelo.Command1.enabled; ++i) Simular();
}

void SimulationWindow::showNormalCurve(bool mostrar) {
  estado_->mostrarCurva = mostrar && estado_->tipo == WindowKind::Instant;
  estado_->desenharCurvaNormal();
}

bool SimulationWindow::curvaNormalVisivel() const { return estado_->mostrarCurva; }
std::uint64_t SimulationWindow::semente() const {
  return estado_->gerador ? estado_->gerador->semente() : 0;
}
int SimulationWindow::simulacao() const {
  return estado_->gerador ? estado_->gerador->corridas() : 0;
}

std::string SimulationWindow::seedLine() const {
  const std::string seed = "Semente " + std::to_string(semente());
  return simulacao() == 0 ? seed + " · nenhuma simulação ainda"
                          : seed + " · simulação " + std::to_string(simulacao()) + " desta janela";
}

std::string SimulationWindow::meansCsv() const {
  const Estado& s = *estado_;
  const CsvHeader cabecalho{s.ambiente.arquivoPopulacao.string(),
                               s.populacao.TamanhoPopulacao,
                               s.modelo.TamanhodaAmostraTXT.text,
                               s.tipo == WindowKind::Instant ? s.modelo.NumeroRepeticoesTXT.text
                                                                 : formatWhole(s.TotalRepeticoes),
                               semente(),
                               simulacao()};
  return varnesk::meansCsv(cabecalho, {s.corrida.Medias.data() + 1,
                               static_cast<std::size_t>(s.corrida.sortedMeans.ContagemOrdenadas)});
}

std::string SimulationWindow::tabulatedStatistics() const {
  return varnesk::tabulatedStatistics(estado_->modelo);
}

const WindowModel& SimulationWindow::modelo() const { return estado_->modelo; }
WindowKind SimulationWindow::tipo() const { return estado_->tipo; }
const SamplingRun& SimulationWindow::corrida() const { return estado_->corrida; }
const Population& SimulationWindow::populacao() const { return estado_->populacao; }
const Scale& SimulationWindow::escala() const { return estado_->grafico.escala; }
const std::array<double, kFrequencySlots>& SimulationWindow::frequencias() const {
  return estado_->grafico.Frequencias;
}
float SimulationWindow::raioPonto() const { return estado_->grafico.RaioPonto; }

}  // namespace varnesk
