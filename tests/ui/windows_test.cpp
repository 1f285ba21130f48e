// The four windows on Qt's offscreen platform: the user's road through them, what they show
// and forward of their logic, their layout at 15 twips to the pixel, and what they paint.
#include <QtTest>
#include <QtWidgets>

#include <unistd.h>
#include "chart/chart_model.h"
#include "engine/captioned_picture.h"
#include "engine/population.h"
#include "engine/sampling_run.h"
#include "ui/application.h"
#include "ui/comparison_form.h"
#include "ui/file_saver.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/population_opening.h"
#include "ui/qt_translations.h"
#include "ui/simulation_form.h"

using namespace varnesk;
using namespace varnesk::ui;

namespace {

QStringList mensagens;  // every message box, after the name of the window it was shown over
int encerramentos = 0;

UiServices servicos(const char* populacao = nullptr) {
  return {[](QWidget* dono, const QString& texto) { mensagens << dono->objectName() + ": " + texto; },
          [] { ++encerramentos; },
          [file = std::filesystem::path(populacao ? populacao : defaultPopulationPath())] { return PopulationSource{file, {}}; },
          [] { return 42ull; }};
}

// The program's services around a chosen population in `pasta`, whose questions are answered
// as `respostas` says and recorded in `perguntas`, and whose choices are kept in `lembrada`.
struct Escolha {
  QTemporaryDir pasta;
  QStringList perguntas;
  CommaAnswer virgulas = CommaAnswer::DecimalMark;
  std::optional<std::size_t> coluna = 1;
  RememberedPopulation lembrada;
  UiServices servicos;

  Escolha() : servicos({}) {
    servicos = ::servicos();
    escrever("populacao.txt", "1\n2\n3\n");
    auto escolha = std::make_shared<PopulationChoice>(arquivo("populacao.txt").toStdString());
    servicos.population = [escolha] { return escolha->source(); };
    servicos.choice = escolha;
    servicos.remember = [this](const RememberedPopulation& r) { lembrada = r; };
    servicos.askCommas = [this](QWidget*, const QString& pergunta) {
      perguntas << pergunta;
      return virgulas;
    };
    servicos.chooseColumn = [this](QWidget*, const QString& pergunta, const PopulationPreview& p) {
      perguntas << pergunta + " " + QString::fromStdString(p.columns.back() + "=" + p.rows[0].back());
      return coluna;
    };
    servicos.dataFolder = arquivo("dados").toStdString();
  }
  QString arquivo(const QString& nome) const { return pasta.filePath(nome); }
  QString escrever(const QString& nome, const QByteArray& bytes) {
    QFile f(arquivo(nome));
    (void)f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return f.fileName();
  }
};

QWidget* controle(QWidget* janela, const QString& nome) {
  for (QWidget* achado : janela->findChildren<QWidget*>(nome))
    if (achado->window() == janela) return achado;
  qFatal("control %s not found", qPrintable(nome));
}

QStringList textos(QWidget* janela, const QStringList& nomes) {
  QStringList out;
  for (const QString& nome : nomes) out << controle(janela, nome)->property("text").toString().replace('\n', ' ');
  return out;
}
const QStringList kCaixas{"TamanhodaAmostraTXT", "NumeroRepeticoesTXT"};
const QStringList kPainel{"MinimoLBL", "Q1LBL", "MedianaLBL", "Q3LBL", "MaximoLBL", "MediaLBL", "dpLBL"};

// Types the two texts (when given), clicks the button, and answers the window that takes input.
QWidget* clicar(QWidget* janela, const char* botao, QStringList escrever = {}) {
  for (int i = 0; i < escrever.size(); ++i) controle(janela, kCaixas[i])->setProperty("text", escrever[i]);
  QTest::mouseClick(qobject_cast<QPushButton*>(controle(janela, botao)), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return QApplication::activeModalWidget();
}
QString foco(QWidget* janela) { return janela->focusWidget()->objectName(); }
QWidget* cliente(QWidget* janela) { return controle(janela, "client"); }  // beneath the menu bar

// A step-by-step window of n 500 and R 150, opened from a configuration screen by Enter on
// "Passo a Passo" (Enter presses the focused button, as Space does).
SimulationForm* abrirPassoAPasso(Form2& inicio) {
  inicio.show();
  QWidget* config = clicar(&inicio, "Command1");
  for (int i = 0; i < 2; ++i) controle(config, kCaixas[i])->setProperty("text", QStringList{"500", "150"}[i]);
  controle(config, "Command3")->setFocus();
  QTest::keyClick(controle(config, "Command3"), Qt::Key_Return);
  return static_cast<SimulationForm*>(QApplication::activeModalWidget());
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the zoom kept between starts goes aside
    prepareApplication();
  }
  void init() { QSettings("varnesk", "varnesk").clear(); }

  // The configuration screen refuses with its message and the focus on the box, warns and opens
  // the instant window, takes it back, closes, and is built afresh the next time.
  void configurationRefusesOpensAndTakesBack() {
    Form2 inicio(servicos());
    inicio.showMaximized();
    const qsizetype antes = mensagens.size();
    QPointer<QWidget> config = clicar(&inicio, "Command1");
    QCOMPARE(std::tuple(foco(config), controle(config, "Check1")->isVisible()), std::tuple(kCaixas[0], false));
    QCOMPARE(clicar(config, "Command1", {"", "1500"}), config.data());  // refused: the input stays
    QCOMPARE(std::tuple(mensagens.last(), foco(config), textos(config, kCaixas)),
             std::tuple("Form3: Preencha o campo: Tamanho da Amostra!", kCaixas[0], QStringList{"", "1500"}));
    QPointer<QWidget> form1 = clicar(config, "Command1", {"500", "1500"});  // a warning, and it opens
    QCOMPARE(mensagens.last(), "Form3: Número de Repetições Máximo para Passo a Passo é 1000");
    QCOMPARE(std::tuple(textos(form1, kCaixas + kPainel), foco(form1)),
             std::tuple(QStringList{"500", "1500"} + QStringList(7, "0"), QString("Command1")));
    clicar(form1, "Command1");
    const WindowModel& m = static_cast<SimulationForm*>(form1.data())->logic().model();
    QCOMPARE(textos(form1, {"MinimoLBL", "dpLBL"}), QStringList({m.MinimoLBL.caption.c_str(), m.dpLBL.caption.c_str()}));
    QVERIFY(clicar(form1, "Command3") == config && form1.isNull());
    QCOMPARE(textos(config, kCaixas), (QStringList{"500", "1500"}));
    QVERIFY(clicar(config, "Command2") == nullptr && config.isNull());
    QCOMPARE(textos(clicar(&inicio, "Command1"), kCaixas), (QStringList{"1000", "100"}));  // built afresh
    const int fins = encerramentos;
    clicar(&inicio, "Command2");
    inicio.close();
    QCOMPARE(std::tuple(mensagens.size() - antes, encerramentos - fins), std::tuple(qsizetype{2}, 2));
  }

  // The step-by-step window by keyboard: Enter presses, D adds ten, the focus leaves Simular after
  // the last mean (never for Encerrar); on the test's 800 x 800 screen it is as large as fits.
  void stepByStepByKeyboard() {
    Form2 inicio(servicos());
    QPointer<SimulationForm> form4 = abrirPassoAPasso(inicio);
    QCOMPARE(std::tuple(textos(form4, kCaixas), controle(form4, kCaixas[1])->isEnabled()),
             std::tuple(QStringList{"500", "0"}, false));
    QTest::keyClick(form4->focusWidget(), Qt::Key_Return);
    QVERIFY(QTest::qWaitForWindowActive(form4));
    QTest::keyClick(form4, Qt::Key_D);  // ten more
    QCOMPARE(textos(form4, kCaixas), (QStringList{"500", "11"}));
    // The strip under the panel shows the logic's lines; the disabled counter keeps dark text.
    QCOMPARE(textos(form4, {"ProgressLBL"}), QStringList{"Médias mostradas: 11 de 150"});
    const QPalette contador = controle(form4, kCaixas[1])->palette();
    QCOMPARE(contador.color(QPalette::Disabled, QPalette::Text), contador.color(QPalette::Active, QPalette::Text));
    form4->simulateMany(200);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(std::tuple(QApplication::activeModalWidget(), textos(form4, kCaixas), form4->logic().model().chart.surface.size(),
                        controle(form4, "Command1")->isEnabled()),
             std::tuple(form4.data(), QStringList{"500", "150"}, std::size_t{150}, false));
    const QRect simular = controle(form4, "Command1")->geometry();
    QTest::keyClick(form4, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(std::tuple(cliente(form4)->size(), controle(form4, "Command1")->geometry()), std::tuple(QSize(723, 600), simular));
    QTest::keyClick(form4, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(std::tuple(cliente(form4)->size(), controle(form4, "Command1")->geometry()), std::tuple(QSize(723, 600), simular));
    form4->close();
  }

  // The means for a spreadsheet, the chart's picture with its caption, its SVG and the
  // statistics for the clipboard.
  void exports() {
    Form2 inicio(servicos());
    QPointer<SimulationForm> form4 = abrirPassoAPasso(inicio);
    const QString pasta = QDir::tempPath() + "/varnesk_janelas_";
    const qsizetype antes = mensagens.size();
    QVERIFY(!form4->saveChart(pasta + "_vazio.png") && !form4->saveSvg(pasta + "_vazio.svg") && !form4->saveMeans(pasta + "_vazio.csv"));
    QCOMPARE(mensagens.mid(antes), QStringList(3, "Form4: Nada para salvar: faça uma simulação primeiro."));
    QVERIFY(!QFile::exists(pasta + "_vazio.png") && !QFile::exists(pasta + "_vazio.csv"));
    form4->simulateMany(150);
    QVERIFY(form4->saveMeans(pasta + ".csv") && form4->saveChart(pasta + ".png") && form4->saveSvg(pasta + ".svg"));
    QFile csv(pasta + ".csv");
    QVERIFY(csv.open(QIODevice::ReadOnly) && csv.readAll().count("\r\n") == 150 + 8);
    // The chart's 442 rows and two lines of caption beneath, in dark text on the window's colour.
    const QImage png(pasta + ".png");
    QCOMPARE(png.size(), QSize(723, 442 + 40));
    int escuros = 0;
    for (int y = 442; y < png.height(); ++y)
      for (int x = 0; x < png.width(); ++x) escuros += qGray(png.pixel(x, y)) < 100;
    QVERIFY2(escuros > 500, qPrintable(QString::number(escuros)));
    QFile svg(pasta + ".svg");
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().toStdString() == chartSvg(form4->logic()));
    form4->copyStatistics();
    QVERIFY(QApplication::clipboard()->text().startsWith("Mínimo\tQ1\tMediana\tQ3\tMáximo\tMédia\tdp\n"));
    form4->close();
  }

  // A save that fails says why and leaves a file already there as it was.
  void failedSavesSayWhyAndLoseNothing() {
    SimulationForm form1(WindowKind::Instant, servicos(), nullptr);
    QVERIFY(form1.Load("100", "100"));
    clicar(&form1, "Command1");
    QTemporaryDir pasta;
    const QString fechada = geteuid() == 0 ? "/sys" : pasta.filePath("fechada");  // root writes anywhere else
    if (geteuid() != 0) QVERIFY(QDir().mkdir(fechada) && QFile::setPermissions(fechada, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    for (const auto& [arquivo, motivo] : std::vector<std::pair<QString, QString>>{
             {pasta.filePath("nao_existe/medias.csv"), "A pasta não existe."},
             {fechada + "/medias.csv", "Não há permissão para gravar nessa pasta."}}) {
      QVERIFY(!form1.saveMeans(arquivo) && !form1.saveChart(arquivo + ".png") && !form1.saveSvg(arquivo + ".svg"));
      for (const QString& ultima : mensagens.mid(mensagens.size() - 3))
        QVERIFY2(ultima.contains(motivo) && ultima.contains("Nada foi perdido"), qPrintable(ultima));
    }
    // A write that breaks off halfway leaves the earlier file whole, and no temporary file beside it.
    const QString existente = pasta.filePath("medias.csv");
    QVERIFY(form1.saveMeans(existente));
    const QByteArray conteudo = form1.logic().meansCsv().c_str();
    QVERIFY(saveAtomically(existente, [](QIODevice& out) { return out.write("metade") == 6 && false; }).has_value());
    QFile depois(existente);
    QVERIFY(depois.open(QIODevice::ReadOnly));
    QCOMPARE(std::tuple(depois.readAll() == conteudo, QDir(pasta.path()).entryList(QDir::Files).size()), std::tuple(true, 1));
  }

  // Ctrl+T on the configuration screen: the comparison of sample sizes, run in the background
  // with its progress, its right-aligned table, its refusals, and Cancelar leaving all as it was.
  void comparison() {
    Form2 inicio(servicos());
    inicio.show();
    QWidget* config = clicar(&inicio, "Command1");
    QVERIFY(QTest::qWaitForWindowActive(config));
    QTest::keyClick(config, Qt::Key_T, Qt::ControlModifier);
    auto* comparacao = qobject_cast<ComparisonForm*>(QApplication::activeModalWidget());
    QCOMPARE(comparacao->windowTitle(), "Comparar tamanhos de amostra");
    QCOMPARE(textos(comparacao, {"PopulationLBL"}), QStringList{"População: populacao.txt"});
    QVERIFY(!comparacao->saveResults(QDir::tempPath() + "/varnesk_comparacao.csv"));
    QCOMPARE(mensagens.last(), "ComparisonForm: Nada para salvar: faça uma simulação primeiro.");
    QSignalSpy fim(comparacao, &ComparisonForm::finished);
    auto* progresso = comparacao->findChild<QProgressBar*>("ComparisonProgress");
    clicar(comparacao, "CompareButton");
    QVERIFY(comparacao->running() && controle(comparacao, "CancelButton")->isEnabled() && !controle(comparacao, "CompareButton")->isEnabled());
    QVERIFY(fim.wait(60000));
    auto* tabela = comparacao->findChild<QTableWidget*>();
    QCOMPARE(std::tuple(tabela->rowCount(), progresso->maximum(), controle(comparacao, "CancelButton")->isEnabled()), std::tuple(4, 8, false));
    QVERIFY(tabela->item(3, 1)->textAlignment() & Qt::AlignRight);
    QVERIFY(textos(comparacao, {"PopulationLBL"})[0].endsWith(") · n = 10, 100, 1,000, 10,000 · R = 1,000"));
    QStringList linhas;
    for (int r = 0; r < 4; ++r) linhas << tabela->item(r, 0)->text() + " " + tabela->item(r, 5)->text();
    QVERIFY(comparacao->saveResults(QDir::tempPath() + "/varnesk_comparacao.csv"));
    // Cancelled at once: the table keeps the earlier rows.
    qobject_cast<QLineEdit*>(controle(comparacao, "SampleSizesTXT"))->setText("50000, 50000, 50000, 50000, 50000, 50000, 50000, 50000");
    clicar(comparacao, "CompareButton");
    clicar(comparacao, "CancelButton");
    QVERIFY(fim.wait(60000));
    QStringList depois;
    for (int r = 0; r < tabela->rowCount(); ++r) depois << tabela->item(r, 0)->text() + " " + tabela->item(r, 5)->text();
    QCOMPARE(std::tuple(depois, progresso->value(), comparacao->running()), std::tuple(linhas, 0, false));
    qobject_cast<QLineEdit*>(controle(comparacao, "SampleSizesTXT"))->setText("10, x");
    QCOMPARE(clicar(comparacao, "CompareButton"), comparacao);
    QVERIFY(mensagens.last().startsWith("ComparisonForm: Tamanho de amostra inválido: \"x\"") &&
            foco(comparacao) == "SampleSizesTXT" && !comparacao->running());
    QVERIFY(clicar(comparacao, "CloseButton") == config);
  }

  // The teacher's population from Form3: the column chosen reaches the window opened afterwards,
  // ambiguous commas are asked, a refusal keeps the earlier choice, a pasted column and a
  // dropped file are chosen too, and the next start falls back when the file is gone.
  void teachersPopulation() {
    Escolha e;
    Form2 inicio(e.servicos);
    inicio.show();
    QWidget* config = clicar(&inicio, "Command1");
    const QString csv = e.escrever("notas.csv", "turma;perda\nA;10\nB;20\nC;30\n");
    QVERIFY(openPopulationFile(config, e.servicos, csv));
    QCOMPARE(std::tuple(e.perguntas.last(), mensagens.last(), e.lembrada.file, e.lembrada.column),
             std::tuple(QString("O arquivo \"notas.csv\" tem 2 colunas. Escolha a coluna com os valores da população: perda=10"),
                        QString("Form3: População escolhida: \"notas.csv\", com 3 valores. As janelas de simulação abertas a partir de agora usam esta população."),
                        csv.toStdString(), std::string("2")));
    QWidget* form1 = clicar(config, "Command1", {"3", "2"});
    clicar(form1, "Command1");
    QCOMPARE(textos(form1, {"MediaLBL", "dpLBL"}), (QStringList{"20.000", "0.000"}));  // every value of "perda"
    clicar(form1, "Command3");

    QVERIFY(!openPopulationFile(config, e.servicos, e.escrever("ruim.txt", "1\nx\n")));
    QVERIFY(mensagens.last().contains("ruim.txt\" tem um valor inválido na linha 2: \"x\""));
    QCOMPARE(e.servicos.population().file.string(), csv.toStdString());  // nothing half-loaded

    QVERIFY(openPopulationFile(config, e.servicos, e.escrever("taxas.csv", "taxa,perda\n1,5\n2,5\n")));
    QVERIFY(e.perguntas.last().startsWith("No arquivo \"taxas.csv\", as vírgulas podem separar colunas"));
    QCOMPARE(std::tuple(e.lembrada.commas, mensagens.last().contains("com 2 valores")), std::tuple(CommaAnswer::DecimalMark, true));
    e.coluna.reset();  // the teacher cancels the chooser: nothing changes, nothing is said
    const qsizetype ditas = mensagens.size();
    QVERIFY(!openPopulationFile(config, e.servicos, csv));
    QCOMPARE(std::tuple(mensagens.size(), e.lembrada.file), std::tuple(ditas, e.arquivo("taxas.csv").toStdString()));

    QApplication::clipboard()->setText("0,5\n1,5\n");  // Ctrl+V in a text box: lines are a population
    QTest::keyClick(controle(config, kCaixas[0]), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(std::tuple(textos(config, kCaixas), mensagens.last().contains("\"texto colado\", com 2 valores")),
             std::tuple(QStringList{"3", "2"}, true));
    QCOMPARE(QString::fromStdString(e.lembrada.file), e.arquivo("dados/populacao_colada.txt"));

    QMimeData arrastado;  // a file dropped on the window
    arrastado.setUrls({QUrl::fromLocalFile(e.escrever("solta.txt", "7\n9\n"))});
    QDragEnterEvent chegar(QPoint(5, 5), Qt::CopyAction, &arrastado, Qt::LeftButton, Qt::NoModifier);
    QDropEvent soltar(QPointF(5, 5), Qt::CopyAction, &arrastado, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(config, &chegar);
    QApplication::sendEvent(config, &soltar);
    QCOMPARE(e.servicos.population().file.filename().string(), std::string("solta.txt"));

    QFile::remove(e.arquivo("solta.txt"));  // the next start, without the remembered file
    startWithPopulation(&inicio, e.servicos, e.lembrada, {});
    QCOMPARE(mensagens.last(), "Form2: O arquivo de população escolhido (" + e.arquivo("solta.txt") +
                                   ") não foi encontrado. Usando a população padrão do programa.");
    QCOMPARE(e.servicos.population().file.string(), e.arquivo("populacao.txt").toStdString());
    clicar(config, "Command2");
  }

  // Ctrl+P on the configuration screen shows the population the windows read; A in the
  // step-by-step window shows it with the sample behind the latest mean over its histogram.
  void populationView() {
    Form2 inicio(servicos());
    inicio.show();
    QWidget* config = clicar(&inicio, "Command1");
    QVERIFY(QTest::qWaitForWindowActive(config));
    QTest::keyClick(config, Qt::Key_P, Qt::ControlModifier);
    QWidget* vista = QApplication::activeModalWidget();
    QCOMPARE(std::tuple(vista->windowTitle(), textos(vista, {"FileNameLBL", "DecimalMarkLBL", "MessageLBL", "SampleLBL"})),
             std::tuple(QString("População"), QStringList{"populacao.txt", "ponto", "", ""}));
    QImage tela(vista->size(), QImage::Format_RGB32);
    vista->render(&tela);  // a red column stands near the middle of the histogram
    QWidget* grafico = controle(vista, "PopulationChart");
    const QColor coluna = tela.pixelColor(grafico->mapTo(vista, grafico->rect().center() + QPoint(0, 120)));
    QVERIFY(coluna.red() >= 128 && coluna.green() == 0 && coluna.blue() == 0);
    QVERIFY(clicar(vista, "CloseButton") == config);
    clicar(config, "Command2");

    QPointer<SimulationForm> form4 = abrirPassoAPasso(inicio);
    form4->simulateMany(12);
    QVERIFY(QTest::qWaitForWindowActive(form4));
    QTest::keyClick(form4, Qt::Key_A);
    QWidget* amostra = QApplication::activeModalWidget();
    QVERIFY(textos(amostra, {"SampleLBL"}).front().startsWith("Amostra 12 de 150 (n = 500), média "));
    QVERIFY(clicar(amostra, "CloseButton") == form4);
    form4->close();
  }

  void unreadablePopulationOpensNoWindow() {
    Form2 inicio(servicos("/nonexistent/populacao.txt"));
    inicio.show();
    QWidget* config = clicar(&inicio, "Command1");
    QCOMPARE(clicar(config, "Command3"), config);
    QVERIFY(mensagens.last().startsWith("Form3: Não foi possível abrir o arquivo da população"));
  }

  void layout() {
    Form2 inicio(servicos());
    Form3 config(servicos(), nullptr);
    SimulationForm form1(WindowKind::Instant, servicos(), nullptr);
    SimulationForm form4(WindowKind::StepByStep, servicos(), nullptr);
    QVERIFY(form1.Load("1000", "100") && form4.Load("1000", "100"));
    for (const auto& [janela, ordem] : std::vector<std::pair<QWidget*, QStringList>>{
             {&inicio, {"Command1", "Command2"}},
             {&config, {"TamanhodaAmostraTXT", "Command2", "NumeroRepeticoesTXT", "Command3", "Command1", "Check1"}},
             {&form1, {"Command1", "Command3", "TamanhodaAmostraTXT", "NumeroRepeticoesTXT"}},
             {&form4, {"Command1", "NumeroRepeticoesTXT", "TamanhodaAmostraTXT", "Command3"}}}) {
      QStringList cadeia;  // the tab order, from the control that has the focus when the window opens
      for (QWidget* c = janela->focusWidget(); cadeia.size() < ordem.size(); c = c->nextInFocusChain())
        if (c->focusPolicy() & Qt::TabFocus) cadeia << c->objectName();
      QCOMPARE(cadeia, ordem);
    }
    for (const auto& [janela, nome, caixa] :  // pixels, in the control's container
         {std::tuple<QWidget*, const char*, QRect>{&config, "TamanhodaAmostraTXT", {137, 20, 49, 19}},
          {&config, "Frame2", {9, 70, 267, 72}},
          {&form1, "Command1", {512, 10, 80, 35}},
          {&form4, "Command1", {512, 11, 80, 34}},
          {&form4, "Command3", {619, 11, 79, 35}},
          {&form1, "dpLBL", {645, 18, 53, 16}},
          {&form4, "Frame2", {5, 495, 711, 43}},
          {&inicio, "Frame2", {218, 422, 365, 78}}})  // centred
      QCOMPARE(controle(janela, nome)->geometry(), caixa);
    // The simulation windows grow at the bottom by the strip under their panel, and every window
    // by its menu bar, above the client area.
    QCOMPARE(std::tuple(cliente(&config)->size(), cliente(&form1)->size(), cliente(&form4)->size()),
             std::tuple(QSize(427, 157), QSize(723, 568), QSize(723, 600)));
    const QMenuBar* barra = form4.findChild<QMenuBar*>();
    QCOMPARE(std::tuple(form4.size(), cliente(&form4)->pos()),
             std::tuple(QSize(723, 600 + barra->height()), QPoint(0, barra->height())));
    QCOMPARE(QStringList({inicio.windowTitle(), form1.windowTitle(), form4.windowTitle()}) +
                 textos(&form4, {"Command3", "Label6"}),
             (QStringList{"Varnesk" + QString(36, ' ') + "Estimativa Amostral da Taxa Média de Perda",
                          "Varnesk" + QString(39, ' ') + "Sistema de Simulação em Tempo Real",
                          "Varnesk" + QString(30, ' ') + "Sistema de Simulação em Tempo Real  (Passo a Passo)",
                          " Encerrar/ Configurar", "δ"}));
    for (const auto& [janela, nome, familia, pixels] :
         {std::tuple<QWidget*, const char*, const char*, int>{&inicio, "Label4", "DejaVu Sans", 27},
          {&config, "Label2", "DejaVu Sans", 11},
          {&form1, "Label8", "Liberation Sans", 13},
          {&form1, "Label6", "DejaVu Sans", 16}}) {
      const QFontInfo f(controle(janela, nome)->font());  // what the system found
      QCOMPARE(std::tuple(f.family(), f.pixelSize(), f.bold()), std::tuple(QString(familia), pixels, pixels != 11));
    }
  }

  // Playback presses Simular for the teacher: N ticks of its clock leave what N clicks leave, P
  // pauses it, it stops at the last mean, and the speed set is kept for the next window.
  void playbackIsClicksByTheClock() {
    static const QTemporaryDir settings;  // the speed is kept here, not in the user's settings
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    SimulationForm played(WindowKind::StepByStep, servicos(), nullptr), clicked(WindowKind::StepByStep, servicos(), nullptr);
    QVERIFY(played.Load("10", "150") && clicked.Load("10", "150"));
    played.show();
    played.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&played));
    const auto shown = [](SimulationForm& w) { return std::tuple(textos(&w, kCaixas + kPainel), w.logic().model().chart.surface, w.logic().tabulatedStatistics()); };
    clicar(&played, "PlayButton");
    QCOMPARE(std::tuple(textos(&played, {"PlayButton"}), played.playbackClock().isActive(), played.playbackClock().interval()), std::tuple(QStringList{"Pausar"}, true, 200));
    for (int tick = 0; tick < 109; ++tick) played.advancePlayback(), clicar(&clicked, "Command1");  // past the refit at 101
    QCOMPARE(shown(played), shown(clicked));
    QTest::keyClick(&played, Qt::Key_P);  // paused: a late tick adds nothing
    played.advancePlayback();
    QCOMPARE(std::tuple(textos(&played, {"PlayButton", "NumeroRepeticoesTXT"}), played.playbackClock().isActive()), std::tuple(QStringList{"Reproduzir", "109"}, false));
    controle(&played, "SpeedSpin")->setFocus();  // typed into the speed box: 50, then P plays, to the end by the real clock
    QTest::keyClick(controle(&played, "SpeedSpin"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(controle(&played, "SpeedSpin"), "50p");
    QTRY_VERIFY_WITH_TIMEOUT(!played.playbackClock().isActive(), 60000);
    for (int i = 109; i < 150; ++i) clicar(&clicked, "Command1");
    QCOMPARE(shown(played), shown(clicked));
    QCOMPARE(textos(SimulationForm(WindowKind::StepByStep, servicos(), nullptr).window(), {"SpeedSpin"}), QStringList{"50"});
  }

  // A seed typed in the window's dialog, which starts from the six digits of the run shown, takes
  // its run 1 at once.
  void seedTypedInTheWindow() {
    UiServices picking = servicos();
    picking.seed = nullptr;
    SimulationForm typed(WindowKind::Instant, picking, nullptr);
    QVERIFY(typed.Load("10", "100"));
    clicar(&typed, "Command1");
    QString shown;  // what the dialog starts from: the seed of the run on screen
    QTimer::singleShot(300, [&shown] {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      shown = dialog->textValue();
      dialog->setTextValue(" 42 ");
      dialog->accept();
    });
    const QString picked = QString::number(typed.logic().seed());
    typed.askSeed();
    QCOMPARE(std::tuple(typed.logic().seedLine(), typed.logic().runNumber(), shown, shown.size()), std::tuple(std::string("Semente 42"), 1, picked, 6));
  }

  void painting() {
    for (const auto tipo : {WindowKind::Instant, WindowKind::StepByStep}) {
      SimulationForm janela(tipo, servicos(), nullptr);
      const bool instantanea = tipo == WindowKind::Instant;
      QVERIFY(janela.Load("10", instantanea ? "5000" : "150"));
      janela.show();
      for (int clique = 0; clique < (instantanea ? 1 : 150); ++clique) clicar(&janela, "Command1");
      const QImage imagem = cliente(&janela)->grab().toImage();
      const auto cor = [&](double x, double y) { return imagem.pixelColor(std::lround(x / 15), std::lround(y / 15)); };
      const ChartModel& g = janela.logic().model().chart;
      const Rect& f = g.Shape1;  // outlined inside its box in the window text colour
      QVERIFY(cor(f.left, f.top) == Qt::black && cor(f.left + f.width - 15, f.top + f.height - 15) == Qt::black &&
              cor(f.left - 15, f.top - 15) != Qt::black);
      QCOMPARE(cor(g.LinhaGradeHorizontal[2].x1 + 30, g.LinhaGradeHorizontal[2].y1), QColor(191, 205, 219));
      int azuis = 0;  // the mean line: 3 pixels wide in Form4, never shown in form1
      for (int x = 0; x < 720; ++x) azuis += cor(15 * x, f.top + 300) == Qt::blue;
      QCOMPARE(azuis, tipo == WindowKind::Instant ? 0 : 3);
      for (const Rect& c : g.Coluna) {  // red inside a dark red outline; a single mean still shows
        if (c.visible && c.height > 90) QVERIFY(cor(c.left + c.width / 2, c.top + c.height / 2) == Qt::red &&
                                                cor(c.left + c.width / 2, c.top) == QColor(128, 0, 0));
        if (c.visible && c.height > 0) QVERIFY(cor(c.left + c.width / 2, f.top + f.height - 30).green() < 50);
      }
      janela.showNormalCurve(true);  // the normal curve of theory, dark blue, in both windows
      const QImage comCurva = cliente(&janela)->grab().toImage();
      int curva = 0;
      for (int x = 0; x < 720; ++x) curva += comCurva.pixelColor(x, std::lround((f.top + f.height / 2) / 15)) == QColor(0, 0, 128);
      QVERIFY(curva > 0);
      std::size_t vermelhos = 0, contornados = 0;  // red dots outlined in black, a few under grid lines
      for (const SurfaceDot& c : janela.logic().model().chart.surface) {
        vermelhos += cor(c.x, c.y) == Qt::red;
        contornados += std::min({cor(c.x, c.y - c.radius - 15).red(), cor(c.x, c.y - c.radius).red(),
                                 cor(c.x, c.y - c.radius + 15).red()}) < 170;
      }
      QVERIFY(10 * vermelhos >= 8 * janela.logic().model().chart.surface.size() && 10 * contornados >= 9 * janela.logic().model().chart.surface.size());
    }
  }

  // The bar in Portuguese with the keys beside the entries, from the core's menus.
  void menuBar() {
    Form3 config(servicos(), nullptr);
    QStringList barra;
    for (QAction* menu : config.findChild<QMenuBar*>()->actions())
      for (QAction* a : menu->menu()->actions()) barra << menu->text() + ": " + a->text() + " " + a->shortcut().toString();
    QCOMPARE(barra.mid(7, 4), (QStringList{"Exibir: Tela cheia F11", "Simulação: Comparar tamanhos de amostra… Ctrl+T",
                                           "Ajuda: Guia do professor F1", "Ajuda: Sobre o Varnesk "}));
  }

  // The zoom of every window stops at the largest step the screen holds (800 x 800 here), is kept
  // for the window's next opening, and goes with full screen, which scales the whole client area
  // to the screen, centred, and gives the window back where it was.
  void zoomFitsAndIsKept() {
    {
      Form3 config(servicos(), nullptr);
      config.show();
      QVERIFY(QTest::qWaitForWindowActive(&config));
      for (int i = 0; i < 6; ++i) QTest::keyClick(&config, Qt::Key_Plus, Qt::ControlModifier);
      QCOMPARE(std::tuple(cliente(&config)->size(), controle(&config, "TamanhodaAmostraTXT")->geometry()),
               std::tuple(QSize(747, 275), QRect(240, 35, 86, 33)));  // 1.75: 2 x 427 is wider than 800
    }
    Form3 config(servicos(), nullptr);  // opened again: as large as it was left
    QCOMPARE(cliente(&config)->size(), QSize(747, 275));
    config.setGeometry(30, 40, config.width(), config.height());
    config.show();
    QVERIFY(QTest::qWaitForWindowActive(&config));
    QTest::keyClick(&config, Qt::Key_F11);
    const QSize tela = config.screen()->geometry().size();
    QTRY_COMPARE(config.size(), tela);
    const int barra = config.findChild<QMenuBar*>()->height();
    const QRect c = cliente(&config)->geometry();  // 427 x 157 to 800 x (800 - bar): width fills
    QCOMPARE(std::tuple(c.width(), c.left(), c.top() - barra), std::tuple(tela.width(), 0, (tela.height() - barra - c.height()) / 2));
    QTest::keyClick(&config, Qt::Key_Minus, Qt::ControlModifier);  // zooms, and stays full screen
    QTest::keyClick(&config, Qt::Key_F11);
    QTRY_VERIFY(!config.isFullScreen());  // back where it was, at the zoom set in full screen
    QCOMPARE(std::tuple(config.pos(), cliente(&config)->size()), std::tuple(QPoint(30, 40), QSize(641, 236)));
  }

  // Shift+F10 opens the right-click menu where the keyboard is; it leaves out the help.
  void contextMenuFromTheKeyboard() {
    SimulationForm form4(WindowKind::StepByStep, servicos(), nullptr);
    QVERIFY(form4.Load("1000", "100"));
    form4.show();
    QVERIFY(QTest::qWaitForWindowActive(&form4));
    QStringList entradas;
    QTimer::singleShot(0, [&] {
      for (QAction* a : QApplication::activePopupWidget()->actions()) entradas << a->text();
      QApplication::activePopupWidget()->close();
    });
    QTest::keyClick(&form4, Qt::Key_F10, Qt::ShiftModifier);  // fifteen entries, a separator, the seed line
    QVERIFY(entradas.size() == 17 && entradas.first() == "Salvar gráfico como PNG…" && entradas.last().contains("42"));
  }

  // Qt's own buttons and dialogs speak the user's language.
  void qtSpeaksPortuguese() {
    QTranslator* traducao = installQtTranslations(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QVERIFY2(traducao, "Qt's translations for pt_BR are missing (qt6-translations-l10n)");
    QDialogButtonBox botoes(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    QString textos = botoes.button(QDialogButtonBox::Cancel)->text() + botoes.button(QDialogButtonBox::Save)->text();
    delete traducao;  // the application goes back to Qt's English for the other tests
    QCOMPARE(textos.remove('&'), "CancelarSalvar");
  }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
