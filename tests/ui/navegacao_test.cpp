// The user's road through the four windows, driven on the real windows: start screen,
// configuration and its messages, the instant window, the step-by-step window, and back.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "apoio_janelas.h"
#include "ui/aplicacao.h"
#include "ui/form2.h"
#include "ui/form_simulacao.h"

using namespace varnesk::ui;
using namespace varnesk::ui::teste;

namespace {
const char* const kCaixasValor[] = {"MinimoLBL", "Q1LBL", "MedianaLBL", "Q3LBL",
                                    "MaximoLBL", "MediaLBL", "dpLBL"};

QStringList valores(QWidget* janela) {
  QStringList textos;
  for (const char* nome : kCaixasValor) textos << controle<QLabel>(janela, nome)->text();
  return textos;
}

void escrever(QWidget* janela, const QString& tamanho, const QString& repeticoes) {
  controle<QLineEdit>(janela, "TamanhodaAmostraTXT")->setText(tamanho);
  controle<QLineEdit>(janela, "NumeroRepeticoesTXT")->setText(repeticoes);
}

QStringList textos(QWidget* janela) {
  return {controle<QLineEdit>(janela, "TamanhodaAmostraTXT")->text(),
          controle<QLineEdit>(janela, "NumeroRepeticoesTXT")->text()};
}
}  // namespace

class NavegacaoTest : public QObject {
  Q_OBJECT

  std::shared_ptr<Registro> registro_;
  std::unique_ptr<Form2> inicio_;

  QWidget* abrirConfiguracao() {
    clicar(inicio_.get(), "Command1");
    QWidget* configuracao = janelaAtiva();
    if (configuracao == nullptr || configuracao->objectName() != QLatin1String("Form3")) {
      qFatal("Iniciar Simulação did not open the configuration screen");
    }
    return configuracao;
  }

 private slots:
  void initTestCase() { prepararAplicacao(); }

  void init() {
    registro_ = std::make_shared<Registro>();
    inicio_ = std::make_unique<Form2>(servicosDeTeste(registro_));
    inicio_->showMaximized();
  }

  void cleanup() {
    inicio_.reset();
    processarEventos();
  }

  void mensagensDaConfiguracao_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("tamanho");
    QTest::addColumn<QString>("repeticoes");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("foco");
    QTest::addColumn<QString>("abre");  // the window on top afterwards

    const QString tamanho = "TamanhodaAmostraTXT", repeticoes = "NumeroRepeticoesTXT";
    const QString preenchaTamanho = "Preencha o campo: Tamanho da Amostra!";
    const QString maximo = "Número de Repetições Máximo para Passo a Passo é 1000";
    const QString minimo = "Número de Repetições Mínimo é 100!";
    QTest::newRow("amostra vazia") << "Command1" << "" << "100" << preenchaTamanho << tamanho << "Form3";
    QTest::newRow("amostra 50001") << "Command1" << "50001" << "100"
                                   << "Tamanho da Amostra muito Grande" << tamanho << "Form3";
    QTest::newRow("repetições vazias") << "Command1" << "1000" << ""
                                       << "Preencha o campo: Número de Repetições!" << repeticoes
                                       << "Form3";
    QTest::newRow("1500 avisa e abre") << "Command1" << "1000" << "1500" << maximo << repeticoes
                                       << "form1";
    QTest::newRow("passo 99") << "Command3" << "1000" << "99" << minimo << repeticoes << "Form3";
    QTest::newRow("passo 1001") << "Command3" << "1000" << "1001" << maximo << repeticoes << "Form3";
    QTest::newRow("12abc lido como 12") << "Command1" << "12abc" << "1" << "" << "Command1" << "form1";
    QTest::newRow("passo 100") << "Command3" << "50000" << "100" << "" << "Command3" << "Form4";
  }

  void mensagensDaConfiguracao() {
    QFETCH(QString, botao);
    QFETCH(QString, tamanho);
    QFETCH(QString, repeticoes);
    QFETCH(QString, mensagem);
    QFETCH(QString, foco);
    QFETCH(QString, abre);

    QWidget* configuracao = abrirConfiguracao();
    escrever(configuracao, tamanho, repeticoes);
    clicar(configuracao, botao.toUtf8().constData());

    QCOMPARE(registro_->mensagens, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
    if (!mensagem.isEmpty()) QCOMPARE(registro_->donos, QStringList{"Form3"});
    QCOMPARE(configuracao->focusWidget()->objectName(), foco);
    QCOMPARE(janelaAtiva()->objectName(), abre);
    // The input is never corrected or cleared.
    QCOMPARE(textos(configuracao), (QStringList{tamanho, repeticoes}));
  }

  void percursoCompleto() {
    QWidget* configuracao = abrirConfiguracao();
    QCOMPARE(textos(configuracao), (QStringList{"1000", "100"}));
    QCOMPARE(configuracao->focusWidget()->objectName(), QString("TamanhodaAmostraTXT"));
    QVERIFY(!controle<QCheckBox>(configuracao, "Check1")->isVisible());

    // Instant window: the texts copied, a run on Simular, back with the texts kept.
    escrever(configuracao, "500", "120");
    clicar(configuracao, "Command1");
    QPointer<QWidget> instantanea = janelaAtiva();
    QCOMPARE(instantanea->objectName(), QString("form1"));
    QCOMPARE(textos(instantanea), (QStringList{"500", "120"}));
    QVERIFY(!controle<QLineEdit>(instantanea, "NumeroRepeticoesTXT")->isEnabled());
    QCOMPARE(instantanea->focusWidget()->objectName(), QString("Command1"));
    QCOMPARE(valores(instantanea), QStringList(7, "0"));
    clicar(instantanea, "Command1");
    for (const QString& valor : valores(instantanea)) QVERIFY2(valor != "0", qPrintable(valor));
    clicar(instantanea, "Command3");
    processarEventos();
    QVERIFY(instantanea.isNull());
    QCOMPARE(janelaAtiva(), configuracao);
    QCOMPARE(textos(configuracao), (QStringList{"500", "120"}));

    // Step-by-step window: stepped to its last mean, then Simular gives up.
    clicar(configuracao, "Command3");
    QPointer<QWidget> passo = janelaAtiva();
    QCOMPARE(passo->objectName(), QString("Form4"));
    auto* contador = controle<QLineEdit>(passo, "NumeroRepeticoesTXT");
    QCOMPARE(contador->text(), QString("0"));
    QVERIFY(!contador->isEnabled());
    auto* simular = controle<QPushButton>(passo, "Command1");
    for (int clique = 1; clique <= 120; ++clique) {
      QVERIFY(simular->isEnabled());
      QTest::mouseClick(simular, Qt::LeftButton);
    }
    QCOMPARE(contador->text(), QString("120"));
    QVERIFY(!simular->isEnabled());
    // One dot per mean, also across the refit at 101 that redraws the stacks.
    QCOMPARE(static_cast<FormSimulacao*>(passo.data())->superficie().size(), std::size_t{120});
    for (const QString& valor : valores(passo)) QVERIFY2(valor != "0", qPrintable(valor));
    clicar(passo, "Command3");
    processarEventos();
    QVERIFY(passo.isNull());

    // Sair, then a configuration screen built afresh.
    QPointer<QWidget> antiga = configuracao;
    clicar(configuracao, "Command2");
    processarEventos();
    QVERIFY(antiga.isNull());
    QCOMPARE(janelaAtiva(), nullptr);
    QCOMPARE(textos(abrirConfiguracao()), (QStringList{"1000", "100"}));
    QVERIFY(registro_->mensagens.isEmpty());
    QCOMPARE(registro_->encerramentos, 0);
  }

  void populacaoIlegivelNaoAbreJanela() {
    registro_ = std::make_shared<Registro>();
    ServicosUi servicos = servicosDeTeste(registro_);
    servicos.arquivoPopulacao = "/nonexistent/populacao.txt";
    inicio_ = std::make_unique<Form2>(servicos);
    inicio_->show();
    QWidget* configuracao = abrirConfiguracao();
    clicar(configuracao, "Command1");
    QCOMPARE(registro_->mensagens.size(), 1);
    QCOMPARE(registro_->donos, QStringList{"Form3"});
    QCOMPARE(janelaAtiva(), configuracao);
  }

  void sairDoProgramaEFecharEncerram() {
    clicar(inicio_.get(), "Command2");
    QCOMPARE(registro_->encerramentos, 1);
    inicio_->close();
    QCOMPARE(registro_->encerramentos, 2);
  }
};

QTEST_MAIN(NavegacaoTest)
#include "navegacao_test.moc"
