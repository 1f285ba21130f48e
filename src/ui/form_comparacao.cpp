#include "ui/form_comparacao.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/number_text.h"
#include "engine/configuration.h"
#include "engine/population.h"
#include "ui/grafico_comparacao.h"

namespace varnesk::ui {

namespace {
const QStringList kCabecalhos{QStringLiteral("n"),
                              QStringLiteral("Média das médias"),
                              QStringLiteral("dp das médias"),
                              QStringLiteral("Erro padrão σ/√n"),
                              QStringLiteral("Erro padrão corrigido"),
                              QStringLiteral("Razão dp / corrigido")};
}  // namespace

FormComparacao::FormComparacao(UiServices servicos, QWidget* dono)
    : QWidget(dono, Qt::Window), servicos_(std::move(servicos)), gerador_(servicos_.seed()) {
  setObjectName(QStringLiteral("FormComparacao"));
  setWindowTitle(QStringLiteral("Comparar tamanhos de amostra"));
  tamanhos_ = new QLineEdit(QStringLiteral("10, 100, 1000, 10000"), this);
  tamanhos_->setObjectName(QStringLiteral("TamanhosTXT"));
  repeticoes_ = new QLineEdit(QStringLiteral("1000"), this);
  repeticoes_->setObjectName(QStringLiteral("RepeticoesTXT"));
  auto* botao = new QPushButton(QStringLiteral("Comparar"), this);
  botao->setObjectName(QStringLiteral("Comparar"));
  auto* fechar = new QPushButton(QStringLiteral("Fechar"), this);
  fechar->setObjectName(QStringLiteral("Fechar"));
  auto* entradas = new QFormLayout;
  entradas->addRow(QStringLiteral("Tamanhos de amostra:"), tamanhos_);
  entradas->addRow(QStringLiteral("Número de repetições:"), repeticoes_);
  auto* topo = new QHBoxLayout;
  topo->addLayout(entradas, 1);
  topo->addWidget(botao);
  topo->addWidget(fechar);

  tabela_ = new QTableWidget(0, static_cast<int>(kCabecalhos.size()), this);
  tabela_->setObjectName(QStringLiteral("Tabela"));
  tabela_->setHorizontalHeaderLabels(kCabecalhos);
  tabela_->verticalHeader()->hide();
  tabela_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabela_->setMaximumHeight(200);
  grafico_ = new GraficoComparacao(this);
  auto* nota = new QLabel(QStringLiteral("A linha azul marca a média da população. O erro padrão "
                                         "com correção leva em conta que cada "
                                         "amostra sorteia valores distintos de uma população "
                                         "finita: quanto mais a amostra se aproxima "
                                         "da população inteira, menor ele fica. Uma razão perto de "
                                         "1 mostra a simulação de acordo com a teoria."),
                          this);
  nota->setWordWrap(true);

  auto* janela = new QVBoxLayout(this);
  janela->addLayout(topo);
  janela->addWidget(tabela_);
  janela->addWidget(grafico_, 1);
  janela->addWidget(nota);
  resize(900, 680);
  connect(botao, &QPushButton::clicked, this, &FormComparacao::comparar);
  connect(fechar, &QPushButton::clicked, this, &QWidget::close);
  connect(tamanhos_, &QLineEdit::returnPressed, this, &FormComparacao::comparar);
  connect(repeticoes_, &QLineEdit::returnPressed, this, &FormComparacao::comparar);
}

void FormComparacao::comparar() {
  const SampleSizeList lista = parseSampleSizes(tamanhos_->text().toStdString());
  const double R = parseLeadingNumber(repeticoes_->text().toStdString());
  Population populacao;
  const PopulationReading leitura =
      lista.erro.empty() ? LerPopulacao(servicos_.populationFile, populacao) : PopulationReading{};
  // The first problem found, and the box to correct.
  std::string problema = lista.erro;
  const char* caixa = "TamanhosTXT";
  if (problema.empty()) {
    if (const auto repeticoes = instantRepetitionsProblem(R)) {
      problema = *repeticoes;
      caixa = "RepeticoesTXT";
    } else if (!leitura.ok) {
      problema = leitura.mensagem;
    } else {
      problema = refuseSampleSizes(lista.tamanhos, populacao);
    }
  }
  if (!problema.empty()) {
    plataforma_.showMessage(problema);
    plataforma_.setFocus(caixa);
    return;
  }
  plataforma_.setBusy(true);
  const std::vector<ComparisonRow> linhas =
      compareSampleSizes(populacao, lista.tamanhos, R, gerador_.nextRunSeed());
  plataforma_.setBusy(false);

  const char separador = regionalDecimalSeparator();
  tabela_->setRowCount(static_cast<int>(linhas.size()));
  for (int i = 0; i < static_cast<int>(linhas.size()); ++i) {
    const ComparisonRow& l = linhas[static_cast<std::size_t>(i)];
    const std::string textos[] = {std::to_string(l.n),
                                  formatFixed(l.media, 4, separador),
                                  formatSignificant(l.dp, 4, separador),
                                  formatSignificant(l.teoria.ep, 4, separador),
                                  formatSignificant(l.teoria.epCorrigido, 4, separador),
                                  formatSignificant(l.razao(), 4, separador)};
    for (int c = 0; c < 6; ++c)
      tabela_->setItem(i, c, new QTableWidgetItem(QString::fromStdString(textos[c])));
  }
  grafico_->mostrar(linhas);
}

}  // namespace varnesk::ui
