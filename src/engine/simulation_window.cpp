#include "engine/simulation_window.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "chart/curva_normal.h"
#include "chart/dots.h"
#include "chart/grid.h"
#include "chart/x_axis.h"
#include "chart/y_axis.h"
#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/erro_padrao.h"
#include "engine/exportacao.h"
#include "engine/population.h"
#include "engine/sampling_run.h"
#include "engine/seed.h"

namespace varnesk {

struct JanelaSimulacao::Estado {
  TipoJanela tipo;
  AmbienteJanela ambiente;
  WindowModel modelo;
  Population populacao;
  Corrida corrida;
  ChartState grafico;
  std::optional<GeradorCorridas> gerador;
  // Step-by-step window only.
  std::int32_t TotalRepeticoes = 0;
  float MediaPopulacao = 0;
  float SomaMedias = 0;
  bool mostrarCurva = false;  // instant window only

  PrecisaoMedia precisao() const {
    return tipo == TipoJanela::Instantanea ? PrecisaoMedia::Simples : PrecisaoMedia::Dupla;
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

bool JanelaSimulacao::Estado::carregarPopulacao() {
  gerador.emplace(ambiente.semente ? ambiente.semente() : sementeDoRelogio());
  const LeituraPopulacao leitura = LerPopulacao(ambiente.arquivoPopulacao, populacao);
  if (!leitura.ok) {
    ambiente.platform.showMessage(leitura.mensagem);
    return false;
  }
  // A sample larger than the population is refused as every other sample size is: with its
  // message and the focus on the box to correct, which belongs to the configuration screen.
  if (const auto problema =
          recusarAmostra(parseLeadingNumber(modelo.TamanhodaAmostraTXT.text), populacao)) {
    ambiente.platform.showMessage(*problema);
    ambiente.platform.setFocus(modelo.TamanhodaAmostraTXT.name);
    return false;
  }
  MediaPopulacao = static_cast<float>(leitura.soma / populacao.TamanhoPopulacao);
  return true;
}

// The run, then its scale and X axis (in the instant window also its Y axis and columns).
void JanelaSimulacao::Estado::gerarAmostras() {
  GerarAmostras(populacao, parseLeadingNumber(modelo.TamanhodaAmostraTXT.text),
                repeticoesMostradas(), gerador->proximaCorrida(), precisao(), corrida);
  grafico.escala = EscolherEscala(corrida.MenorMedia, corrida.MaiorMedia, tipo);
  grafico.MenorMedia = corrida.MenorMedia;
  MontarEixoX(tipo, modelo.chart, grafico, {corrida.ordenadas.valores(), MediaPopulacao},
              ambiente.medir, ambiente.separador);
}

void JanelaSimulacao::Estado::calcularEstatisticas() {
  const Estatisticas e = CalcularEstatisticas(corrida.ordenadas.valores(), corrida.MediaGeral,
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
void JanelaSimulacao::Estado::montarEixoYPassoAPasso() {
  const double shown = repeticoesMostradas();
  const int stageEnd = shown < 101 ? 100 : shown < 501 ? 500 : 1000;
  const auto count = static_cast<std::size_t>(std::min(stageEnd, TotalRepeticoes));
  const std::span<const float> stage(corrida.Medias.data() + 1, count);
  MontarEixoYContagem(modelo.chart, grafico, stage, static_cast<int>(shown), ambiente.medir,
                      ambiente.separador, ambiente.platform);
}

void JanelaSimulacao::Estado::carregarPassoAPasso() {
  Platform& platform = ambiente.platform;
  setRepeticoes(TotalRepeticoes);
  // The whole run is drawn now; the clicks replay its means one by one.
  corrida.ordenadas.ContagemOrdenadas = 0;
  platform.setBusy(true);
  MontarGrade(modelo.chart, grafico);
  gerarAmostras();
  platform.setBusy(false);
  std::fill_n(grafico.Frequencias.begin(), grafico.escala.NumeroClasses + 1, 0.0);
  modelo.NumeroRepeticoesTXT.text = "100";
  montarEixoYPassoAPasso();
  modelo.NumeroRepeticoesTXT.text = "0";
  modelo.NumeroRepeticoesTXT.enabled = false;
  std::fill(corrida.ordenadas.MediasOrdenadas.begin(), corrida.ordenadas.MediasOrdenadas.end(),
            0.0f);
  corrida.ordenadas.ContagemOrdenadas = 0;
}

void JanelaSimulacao::Estado::simularInstantaneo() {
  Platform& platform = ambiente.platform;
  corrida.ordenadas.ContagemOrdenadas = 0;
  if (const auto problem = problemaRepeticoesInstantanea(repeticoesMostradas())) {
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

void JanelaSimulacao::Estado::desenharCurvaNormal() {
  modelo.chart.CurvaNormal.clear();
  if (!mostrarCurva || corrida.ordenadas.ContagemOrdenadas == 0) return;
  const auto n = static_cast<std::int32_t>(parseLeadingNumber(modelo.TamanhodaAmostraTXT.text));
  const ErroPadrao teoria = erroPadrao(populacao, n);
  modelo.chart.CurvaNormal = curvaNormal(modelo.chart, grafico, teoria.media, teoria.epCorrigido);
}

void JanelaSimulacao::Estado::simularPassoAPasso() {
  const double shown = repeticoesMostradas();
  // Past the end of the run there is no mean left to show.
  if (!(shown >= 0) || shown >= TotalRepeticoes || !modelo.Command1.enabled) return;
  if (shown == 101 || shown == 501) montarEixoYPassoAPasso();
  const auto r = static_cast<std::int32_t>(shown) + 1;
  setRepeticoes(r);
  const float x = corrida.Medias[static_cast<std::size_t>(r)];
  SomaMedias = static_cast<float>(static_cast<double>(SomaMedias) + x);
  corrida.ordenadas.OrdenarMedias(x);
  corrida.MediaGeral = static_cast<double>(SomaMedias) / r;
  AjustarColunas(modelo.chart, grafico, x, ambiente.platform);
  calcularEstatisticas();
  if (repeticoesMostradas() == TotalRepeticoes) modelo.Command1.enabled = false;
}

JanelaSimulacao::JanelaSimulacao(TipoJanela tipo, AmbienteJanela ambiente)
    : estado_(std::make_unique<Estado>(
          Estado{tipo, std::move(ambiente), modeloInicial(tipo), {}, {}, {}, {}})) {}

JanelaSimulacao::~JanelaSimulacao() = default;

bool JanelaSimulacao::Load(const std::string& tamanhoTexto, const std::string& repeticoesTexto) {
  Estado& s = *estado_;
  // A window opens with its design values; the run state keeps what Load does not reset.
  s.modelo = modeloInicial(s.tipo);
  s.modelo.TamanhodaAmostraTXT.text = tamanhoTexto;
  if (s.tipo == TipoJanela::Instantanea) {
    s.modelo.NumeroRepeticoesTXT.text = repeticoesTexto;
    s.corrida.MaiorMedia = s.corrida.MenorMedia = 0;
    s.corrida.ordenadas.ContagemOrdenadas = 0;
    if (!s.carregarPopulacao()) return false;
    MontarGrade(s.modelo.chart, s.grafico);
    std::fill(s.corrida.ordenadas.MediasOrdenadas.begin(),
              s.corrida.ordenadas.MediasOrdenadas.end(), 0.0f);
    s.grafico.Frequencias.fill(0);
    return true;
  }
  const double total = roundHalfEven(parseLeadingNumber(repeticoesTexto));
  s.TotalRepeticoes = static_cast<std::int32_t>(std::clamp(total, 0.0, double{kCapacidadeMedias}));
  s.SomaMedias = 0;
  s.corrida.MaiorMedia = s.corrida.MenorMedia = 0;
  s.corrida.ordenadas.ContagemOrdenadas = 0;
  if (!s.carregarPopulacao()) return false;
  s.carregarPassoAPasso();
  return true;
}

void JanelaSimulacao::Simular() {
  if (estado_->tipo == TipoJanela::Instantanea)
    estado_->simularInstantaneo();
  else
    estado_->simularPassoAPasso();
}

void JanelaSimulacao::SimularVarias(int vezes) {
  for (int i = 0; i < vezes && estado_->modelo.Command1.enabled; ++i) Simular();
}

void JanelaSimulacao::MostrarCurvaNormal(bool mostrar) {
  estado_->mostrarCurva = mostrar && estado_->tipo == TipoJanela::Instantanea;
  estado_->desenharCurvaNormal();
}

bool JanelaSimulacao::curvaNormalVisivel() const { return estado_->mostrarCurva; }
std::uint64_t JanelaSimulacao::semente() const {
  return estado_->gerador ? estado_->gerador->semente() : 0;
}
int JanelaSimulacao::simulacao() const {
  return estado_->gerador ? estado_->gerador->corridas() : 0;
}

std::string JanelaSimulacao::mediasCsv() const {
  const Estado& s = *estado_;
  const CabecalhoCsv cabecalho{s.ambiente.arquivoPopulacao.string(),
                               s.populacao.TamanhoPopulacao,
                               s.modelo.TamanhodaAmostraTXT.text,
                               s.tipo == TipoJanela::Instantanea ? s.modelo.NumeroRepeticoesTXT.text
                                                                 : formatWhole(s.TotalRepeticoes),
                               semente(),
                               simulacao()};
  return csvMedias(cabecalho, {s.corrida.Medias.data() + 1,
                               static_cast<std::size_t>(s.corrida.ordenadas.ContagemOrdenadas)});
}

std::string JanelaSimulacao::estatisticasTabuladas() const {
  return varnesk::estatisticasTabuladas(estado_->modelo);
}

const WindowModel& JanelaSimulacao::modelo() const { return estado_->modelo; }
TipoJanela JanelaSimulacao::tipo() const { return estado_->tipo; }
const Corrida& JanelaSimulacao::corrida() const { return estado_->corrida; }
const Population& JanelaSimulacao::populacao() const { return estado_->populacao; }
const Escala& JanelaSimulacao::escala() const { return estado_->grafico.escala; }
const std::array<double, 51>& JanelaSimulacao::frequencias() const {
  return estado_->grafico.Frequencias;
}
float JanelaSimulacao::raioPonto() const { return estado_->grafico.RaioPonto; }

}  // namespace varnesk
