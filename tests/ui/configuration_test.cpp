// Form3, the configuration screen, on Qt's offscreen platform: the user's road through it to the
// simulation windows and back, the teacher's population chosen there, and the two windows it
// opens beside them: the comparison of sample sizes and the population.
#include "ui/comparison_form.h"
#include "ui/population_opening.h"
#include "window_driver.h"

class ConfigurationTest : public QObject, WindowDriver {
  Q_OBJECT

  // The program's services around a chosen population in `folder`, whose questions are answered
  // as `commas` and `column` say and recorded in `questions`, and whose choices are kept in
  // `remembered`.
  struct TeachersChoice {
    QTemporaryDir folder;
    QStringList questions;
    CommaAnswer commas = CommaAnswer::DecimalMark;
    std::optional<std::size_t> column = 1;
    bool usePasted = true;
    RememberedPopulation remembered;
    UiServices services = WindowDriver::services();

    TeachersChoice() {
      write("populacao.txt", "1\n2\n3\n");
      services.choice = std::make_shared<PopulationChoice>(path("populacao.txt").toStdString());
      services.population = [choice = services.choice] { return choice->source(); };
      services.remember = [this](const RememberedPopulation& r) { remembered = r; };
      services.askCommas = [this](QWidget*, const QString& question) {
        questions << question;
        return commas;
      };
      services.chooseColumn = [this](QWidget*, const QString& question, const PopulationPreview& p) {
        questions << question + " " + QString::fromStdString(p.columns.back() + "=" + p.rows[0].back());
        return column;
      };
      services.usePasted = [this](QWidget*, const QString& question) {
        questions << question;
        return usePasted;
      };
      services.dataFolder = path("dados").toStdString();
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) {
      QFile f(path(name));
      return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? f.fileName() : QString();
    }
  };

 private slots:
  void init() { prepare(); }

  // The configuration screen refuses with its message and the focus on the box, warns and opens
  // the instant window, takes it back, closes, and is built afresh the next time.
  void refusesOpensAndTakesBack() {
    Form2 start(services());
    start.showMaximized();
    const qsizetype before = messages.size();
    QPointer<QWidget> config = click(&start, "Command1");
    QCOMPARE(std::tuple(focus(config), control(config, "Check1")->isVisible()), std::tuple(kBoxes[0], false));
    QCOMPARE(click(config, "Command1", {"", "1500"}), config.data());  // refused: the input stays
    QCOMPARE(std::tuple(messages.last(), focus(config), texts(config, kBoxes)),
             std::tuple("Form3: Preencha o campo: Tamanho da Amostra!", kBoxes[0], QStringList{"", "1500"}));
    QPointer<QWidget> form1 = click(config, "Command1", {"500", "1500"});  // a warning, and it opens
    QCOMPARE(messages.last(), "Form3: Número de Repetições Máximo para Passo a Passo é 1000");
    QCOMPARE(std::tuple(texts(form1, kBoxes + kPanel), focus(form1)),
             std::tuple(QStringList{"500", "1500"} + QStringList(7, "0"), QString("Command1")));
    click(form1, "Command1");
    const SimulationWindow& m = static_cast<SimulationForm*>(form1.data())->logic();
    QCOMPARE(texts(form1, {"MinimoLBL", "dpLBL"}), QStringList({m.control("MinimoLBL").text.c_str(), m.control("dpLBL").text.c_str()}));
    QVERIFY(click(form1, "Command3") == config && form1.isNull());
    QCOMPARE(texts(config, kBoxes), (QStringList{"500", "1500"}));
    QVERIFY(click(config, "Command2") == nullptr && config.isNull());
    QCOMPARE(texts(click(&start, "Command1"), kBoxes), (QStringList{"1000", "100"}));  // built afresh
    const int endsBefore = programEnds;
    click(&start, "Command2");
    start.close();
    QCOMPARE(std::tuple(messages.size() - before, programEnds - endsBefore), std::tuple(qsizetype{2}, 2));
  }

  void unreadablePopulationOpensNoWindow() {
    Form2 start(services("/nonexistent/populacao.txt"));
    QWidget* config = openConfiguration(start);
    QCOMPARE(click(config, "Command3"), config);
    QVERIFY(messages.last().startsWith("Form3: Não foi possível abrir o arquivo da população"));
  }

  // The teacher's population from Form3: the column chosen reaches the window opened afterwards,
  // ambiguous commas are asked, a refusal keeps the earlier choice, a pasted column and a
  // dropped file are chosen too, and the next start falls back when the file is gone.
  void teachersPopulation() {
    TeachersChoice e;
    Form2 start(e.services);
    QWidget* config = openConfiguration(start);
    const QString csv = e.write("notas.csv", "turma;perda\nA;10\nB;20\nC;30\n");
    QVERIFY(openPopulationFile(config, e.services, csv));
    QCOMPARE(std::tuple(e.questions.last(), messages.last(), e.remembered.file, e.remembered.column),
             std::tuple(QString("O arquivo \"notas.csv\" tem 2 colunas. Escolha a coluna com os valores da população: perda=10"),
                        QString("Form3: População escolhida: \"notas.csv\", com 3 valores. As janelas de simulação abertas a partir de agora usam esta população; as que já estão abertas seguem com a de antes."),
                        csv.toStdString(), std::string("2")));
    QWidget* form1 = click(config, "Command1", {"3", "2"});
    click(form1, "Command1");
    QCOMPARE(texts(form1, {"MediaLBL", "dpLBL"}), (QStringList{"20.000", "0.000"}));  // every value of "perda"
    click(form1, "Command3");

    QVERIFY(!openPopulationFile(config, e.services, e.write("ruim.txt", "1\nx\n")));
    QVERIFY(messages.last().contains("ruim.txt\" tem um valor inválido na linha 2: \"x\""));
    QCOMPARE(e.services.population().file.string(), csv.toStdString());  // nothing half-loaded

    QVERIFY(openPopulationFile(config, e.services, e.write("taxas.csv", "taxa,perda\n1,5\n2,5\n")));
    QVERIFY(e.questions.last().startsWith("No arquivo \"taxas.csv\", as vírgulas podem separar colunas"));
    QCOMPARE(std::tuple(e.remembered.commas, messages.last().contains("com 2 valores")), std::tuple(CommaAnswer::DecimalMark, true));
    e.column.reset();  // the teacher cancels the chooser: nothing changes, nothing is said
    const qsizetype said = messages.size();
    QVERIFY(!openPopulationFile(config, e.services, csv));
    QCOMPARE(std::tuple(messages.size(), e.remembered.file), std::tuple(said, e.path("taxas.csv").toStdString()));

    QApplication::clipboard()->setText("0,5\n1,5\n");  // Ctrl+V in a text box: lines are a population
    QTest::keyClick(control(config, kBoxes[0]), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(std::tuple(texts(config, kBoxes), messages.last().contains("escolhida: o texto colado, com 2 valores")),
             std::tuple(QStringList{"3", "2"}, true));
    QVERIFY(e.questions.last().startsWith("O texto colado tem 2 valores (média 1.000): 0.5; 1.5.\n\nUsar"));
    QCOMPARE(QString::fromStdString(e.remembered.file), e.path("dados/populacao_colada.txt"));
    // Anything else pasted is described first; cancelled, it changes nothing, kept file included.
    e.usePasted = false;
    e.column = 1;
    QVERIFY(!pastePopulation(config, e.services, "Mínimo\tQ1\n1,865\t1,9\n"));
    QCOMPARE(std::tuple(e.questions.last().left(40), e.services.population().name()), std::tuple(QString("O texto colado tem 1 valor (média 1.900)"), std::string("texto colado")));
    QFile kept(e.path("dados/populacao_colada.txt"));
    QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == "0,5\n1,5\n");
    // Desfazer troca de população: the file chosen before the paste, then the paste again.
    for (const char* expected : {"\"taxas.csv\", com 2 valores", "o texto colado, com 2 valores"}) {
      undoPopulationChoice(config, e.services);
      QVERIFY2(messages.last().contains(expected), qPrintable(messages.last()));
    }
    e.usePasted = true;

    QMimeData dragged;  // a file dropped on the window
    dragged.setUrls({QUrl::fromLocalFile(e.write("solta.txt", "7\n9\n"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(config, &enter);
    QApplication::sendEvent(config, &drop);
    QCOMPARE(e.services.population().file.filename().string(), std::string("solta.txt"));
    // Dropped on an open simulation window: chosen for the next windows, and that window says so
    // and keeps what it shows.
    QWidget* open = click(config, "Command1", {"2", "2"});
    const QStringList shown = texts(open, {"PopulationLBL"});
    dragged.setUrls({QUrl::fromLocalFile(e.write("outra.txt", "1\n2\n3\n"))});
    QApplication::sendEvent(open, &enter);
    QApplication::sendEvent(open, &drop);
    QCOMPARE(std::tuple(messages.last().startsWith("form1: População escolhida: \"outra.txt\""), messages.last().endsWith("seguem com a de antes."), texts(open, {"PopulationLBL"})),
             std::tuple(true, true, shown));
    click(open, "Command3");

    QFile::remove(e.path("outra.txt"));  // the next start, without the remembered file
    startWithPopulation(&start, e.services, e.remembered, {});
    QCOMPARE(messages.last(), "Form2: O arquivo de população escolhido (" + e.path("outra.txt") +
                                  ") não foi encontrado. Usando a população padrão do programa.");
    QCOMPARE(e.services.population().file.string(), e.path("populacao.txt").toStdString());
    click(config, "Command2");
  }

  // Ctrl+T: the comparison of sample sizes, run in the background with its progress, its
  // right-aligned table, its refusals, and Cancelar leaving all as it was.
  void comparisonOfSampleSizes() {
    Form2 start(services());
    QWidget* config = openConfiguration(start);
    QVERIFY(QTest::qWaitForWindowActive(config));
    QTest::keyClick(config, Qt::Key_T, Qt::ControlModifier);
    auto* comparison = qobject_cast<ComparisonForm*>(QApplication::activeModalWidget());
    QCOMPARE(comparison->windowTitle(), "Comparar tamanhos de amostra");
    QCOMPARE(texts(comparison, {"PopulationLBL"}), QStringList{"População: populacao.txt"});
    QVERIFY(!comparison->saveResults(QDir::tempPath() + "/varnesk_comparacao.csv"));
    QCOMPARE(messages.last(), "ComparisonForm: Nada para salvar: faça uma simulação primeiro.");
    QSignalSpy finished(comparison, &ComparisonForm::finished);
    auto* progress = comparison->findChild<QProgressBar*>("ComparisonProgress");
    click(comparison, "CompareButton");
    QVERIFY(comparison->running() && control(comparison, "CancelButton")->isEnabled() && !control(comparison, "CompareButton")->isEnabled());
    QCOMPARE(progress->maximum(), 8);
    QVERIFY(finished.wait(60000));
    auto* table = comparison->findChild<QTableWidget*>();
    // A run done reads 100 %.
    QCOMPARE(std::tuple(table->rowCount(), progress->value() == progress->maximum(), progress->isVisible(), control(comparison, "CancelButton")->isEnabled()),
             std::tuple(4, true, true, false));
    QVERIFY(table->item(3, 1)->textAlignment() & Qt::AlignRight);
    QVERIFY(texts(comparison, {"PopulationLBL"})[0].endsWith(") · n = 10, 100, 1,000, 10,000 · R = 1,000"));
    QStringList before;
    for (int r = 0; r < 4; ++r) before << table->item(r, 0)->text() + " " + table->item(r, 5)->text();
    QVERIFY(comparison->saveResults(QDir::tempPath() + "/varnesk_comparacao.csv"));
    // Cancelled at once: the table keeps the earlier rows, and the bar, not theirs, hides.
    qobject_cast<QLineEdit*>(control(comparison, "SampleSizesTXT"))->setText("50000, 50000, 50000, 50000, 50000, 50000, 50000, 50000");
    click(comparison, "CompareButton");
    click(comparison, "CancelButton");
    QVERIFY(finished.wait(60000));
    QStringList after;
    for (int r = 0; r < table->rowCount(); ++r) after << table->item(r, 0)->text() + " " + table->item(r, 5)->text();
    QCOMPARE(std::tuple(after, progress->isVisible(), comparison->running()), std::tuple(before, false, false));
    qobject_cast<QLineEdit*>(control(comparison, "SampleSizesTXT"))->setText("10, x");
    QCOMPARE(click(comparison, "CompareButton"), comparison);
    QVERIFY(messages.last().startsWith("ComparisonForm: Tamanho de amostra inválido: \"x\"") &&
            focus(comparison) == "SampleSizesTXT" && !comparison->running());
    QVERIFY(click(comparison, "CloseButton") == config);
  }

  // Ctrl+P shows the population the windows read, Escape closes it; A in the step-by-step window shows it with the
  // sample behind the latest mean over its histogram.
  void populationView() {
    Form2 start(services());
    QWidget* config = openConfiguration(start);
    QVERIFY(QTest::qWaitForWindowActive(config));
    QTest::keyClick(config, Qt::Key_P, Qt::ControlModifier);
    QWidget* view = QApplication::activeModalWidget();
    QCOMPARE(std::tuple(view->windowTitle(), texts(view, {"FileNameLBL", "DecimalMarkLBL", "MessageLBL", "SampleLBL"})),
             std::tuple(QString("População"), QStringList{"populacao.txt", "ponto", "", ""}));
    QApplication::setActiveWindow(view);  // the offscreen platform leaves the opener active
    QImage image(view->size(), QImage::Format_RGB32);
    view->render(&image);  // a red column stands near the middle of the histogram
    QWidget* chart = control(view, "PopulationChart");
    const QColor column = image.pixelColor(chart->mapTo(view, chart->rect().center() + QPoint(0, 120)));
    QVERIFY(column.red() >= 128 && column.green() == 0 && column.blue() == 0);
    QTest::keyClick(view, Qt::Key_Escape);  // as Fechar
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::activeModalWidget(), config);
    click(config, "Command2");

    QPointer<SimulationForm> form4 = openStepByStep(start);
    form4->simulateMany(12);
    QVERIFY(QTest::qWaitForWindowActive(form4));
    QTest::keyClick(form4, Qt::Key_A);
    QWidget* sample = QApplication::activeModalWidget();
    QVERIFY(texts(sample, {"SampleLBL"}).front().startsWith("Amostra 12 de 150 (n = 500), média "));
    QVERIFY(click(sample, "CloseButton") == form4);
    form4->close();
  }
};

QTEST_MAIN(ConfigurationTest)
#include "configuration_test.moc"
