// The four windows as laid out: tab order and opening focus, places and sizes at 15 twips to
// the pixel, captions with their blanks, the stand-in fonts, and the tips of the value boxes.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "apoio_janelas.h"
#include "ui/aplicacao.h"
#include "ui/fontes.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form_simulacao.h"

using namespace varnesk;
using namespace varnesk::ui;
using namespace varnesk::ui::teste;

class LayoutTest : public QObject {
  Q_OBJECT

  std::shared_ptr<Registro> registro_ = std::make_shared<Registro>();

  std::unique_ptr<QWidget> criar(const QString& nome) {
    const ServicosUi servicos = servicosDeTeste(registro_);
    if (nome == "Form2") return std::make_unique<Form2>(servicos);
    if (nome == "Form3") return std::make_unique<Form3>(servicos, nullptr);
    auto janela = std::make_unique<FormSimulacao>(
        nome == "form1" ? TipoJanela::Instantanea : TipoJanela::PassoAPasso, servicos, nullptr);
    if (!janela->Load(QStringLiteral("1000"), QStringLiteral("100"))) qFatal("load failed");
    return janela;
  }

 private slots:
  void initTestCase() { prepararAplicacao(); }

  void tabulacao_data() {
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QStringList>("ordem");
    QTest::addColumn<QString>("foco");
    QTest::newRow("Form2") << "Form2" << QStringList{"Command1", "Command2"} << "Command1";
    QTest::newRow("Form3") << "Form3"
                           << QStringList{"Check1", "TamanhodaAmostraTXT", "Command2",
                                          "NumeroRepeticoesTXT", "Command3", "Command1"}
                           << "TamanhodaAmostraTXT";
    QTest::newRow("form1") << "form1"
                           << QStringList{"TamanhodaAmostraTXT", "NumeroRepeticoesTXT", "Command1",
                                          "Command3"}
                           << "Command1";
    QTest::newRow("Form4") << "Form4"
                           << QStringList{"Command1", "NumeroRepeticoesTXT", "TamanhodaAmostraTXT",
                                          "Command3"}
                           << "Command1";
  }

  void tabulacao() {
    QFETCH(QString, janela);
    QFETCH(QStringList, ordem);
    QFETCH(QString, foco);
    const auto w = criar(janela);
    QStringList cadeia;
    for (QWidget* c = w->nextInFocusChain(); c != w.get(); c = c->nextInFocusChain()) {
      if (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c)) cadeia << c->objectName();
    }
    // The chain is a ring: read it from the control that comes first.
    const qsizetype primeiro = cadeia.indexOf(ordem.first());
    QVERIFY(primeiro >= 0);
    QCOMPARE(cadeia.mid(primeiro) + cadeia.first(primeiro), ordem);
    QCOMPARE(w->focusWidget()->objectName(), foco);
  }

  void geometria_data() {
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QString>("controle");  // empty: the window's client area
    QTest::addColumn<QRect>("caixa");       // pixels, in the control's container
    QTest::newRow("Form3") << "Form3" << "" << QRect(0, 0, 427, 157);
    QTest::newRow("Form3 amostra") << "Form3" << "TamanhodaAmostraTXT" << QRect(137, 20, 49, 19);
    QTest::newRow("Form3 Frame2") << "Form3" << "Frame2" << QRect(9, 70, 267, 72);
    QTest::newRow("form1 Simular") << "form1" << "Command1" << QRect(512, 10, 80, 35);
    QTest::newRow("Form4 Simular") << "Form4" << "Command1" << QRect(512, 11, 80, 34);
    QTest::newRow("Form4 Encerrar") << "Form4" << "Command3" << QRect(619, 11, 79, 35);
    QTest::newRow("form1 dp") << "form1" << "dpLBL" << QRect(645, 18, 53, 16);
    QTest::newRow("Form4 Frame2") << "Form4" << "Frame2" << QRect(5, 495, 711, 43);
  }

  void geometria() {
    QFETCH(QString, janela);
    QFETCH(QString, controle);
    QFETCH(QRect, caixa);
    const auto w = criar(janela);
    if (controle.isEmpty()) {
      QCOMPARE(w->size(), caixa.size());
    } else {
      QCOMPARE(w->findChild<QWidget*>(controle)->geometry(), caixa);
    }
  }

  void legendas_data() {
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QString>("controle");  // empty: the window's caption
    QTest::addColumn<QString>("legenda");
    const QString varnesk = "Varnesk";
    QTest::newRow("Form2") << "Form2" << ""
                           << varnesk + QString(36, ' ') + "Estimativa Amostral da Taxa Média de Perda";
    QTest::newRow("Form3") << "Form3" << "" << "Configuração";
    QTest::newRow("form1") << "form1" << ""
                           << varnesk + QString(39, ' ') + "Sistema de Simulação em Tempo Real";
    QTest::newRow("Form4") << "Form4" << ""
                           << varnesk + QString(30, ' ') +
                                  "Sistema de Simulação em Tempo Real  (Passo a Passo)";
    QTest::newRow("form1 Encerrar") << "form1" << "Command3" << "Encerrar/ Configurar";
    QTest::newRow("Form4 Encerrar") << "Form4" << "Command3" << " Encerrar/ Configurar";
    QTest::newRow("delta") << "Form4" << "Label6" << "δ";
  }

  void legendas() {
    QFETCH(QString, janela);
    QFETCH(QString, controle);
    QFETCH(QString, legenda);
    const auto w = criar(janela);
    if (controle.isEmpty()) {
      QCOMPARE(w->windowTitle(), legenda);
      return;
    }
    QWidget* c = w->findChild<QWidget*>(controle);
    QString texto;
    if (auto* botao = qobject_cast<QAbstractButton*>(c)) texto = botao->text();
    if (auto* rotulo = qobject_cast<QLabel*>(c)) texto = rotulo->text();
    // A caption too wide for its button is shown on two lines.
    QCOMPARE(texto.replace('\n', ' '), legenda);
  }

  void fontes_data() {
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("familia");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("negrito");
    QTest::newRow("Verdana 20.25") << "Form2" << "Label4" << "DejaVu Sans" << 27 << true;
    QTest::newRow("MS Sans Serif") << "Form3" << "Label2" << "DejaVu Sans" << 11 << false;
    QTest::newRow("Arial 9.75") << "form1" << "Label8" << "Liberation Sans" << 13 << true;
    QTest::newRow("Symbol 12") << "form1" << "Label6" << "DejaVu Sans" << 16 << true;
  }

  void fontes() {
    QFETCH(QString, janela);
    QFETCH(QString, controle);
    QFETCH(QString, familia);
    QFETCH(int, pixels);
    QFETCH(bool, negrito);
    const auto w = criar(janela);
    // What the system really found, not only what was asked for.
    const QFontInfo fonte(w->findChild<QWidget*>(controle)->font());
    QCOMPARE(fonte.family(), familia);
    QCOMPARE(fonte.pixelSize(), pixels);
    QCOMPARE(fonte.bold(), negrito);
  }

  void medidaPadraoEmTwips() {
    // A label reading "0" measures 90 x 195 in the font the layouts were drawn with; its
    // stand-in must stay close, or the axis labels would be placed off their lines.
    const SizeF zero = medidorPadrao()("0");
    QVERIFY2(std::abs(zero.width - 90) <= 15, qPrintable(QString::number(zero.width)));
    QVERIFY2(std::abs(zero.height - 195) <= 15, qPrintable(QString::number(zero.height)));
  }

  void iconeDe32Pixels() {
    QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
  }

  void inicioCentraAsMolduras() {
    Form2 inicio(servicosDeTeste(registro_));
    inicio.showMaximized();
    const int tela = inicio.screen()->geometry().width();
    for (const char* nome : {"Frame1", "Frame2"}) {
      const QRect moldura = controle<QGroupBox>(&inicio, nome)->geometry();
      QVERIFY2(std::abs(2 * moldura.x() + moldura.width() - tela) <= 1, nome);
    }
    // Only across: their tops stay as laid out.
    QCOMPARE(controle<QGroupBox>(&inicio, "Frame2")->y(), 422);
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
