// The confidence intervals and the sample size for a margin, opened from the configuration screen
// on Qt's offscreen platform as a teacher opens them: the intervals one, ten, a hundred and all,
// by the clock, with the correction and its comparison, saved for a spreadsheet; the refusals
// that open nothing; the sample size worked out and checked by simulation.
#include "stats/confidence_interval.h"
#include "ui/interval_form.h"
#include "ui/planner_form.h"
#include "window_driver.h"

class IntervalWindowsTest : public QObject, WindowDriver {
  Q_OBJECT

  // Shown, a window takes the keys once the platform has said so (on the offscreen platform,
  // qWaitForWindowActive does not wait for it).
  static QWidget* active(QWidget* window) {
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; })) qFatal("%s not active", qPrintable(window->objectName()));
    return window;
  }
  // The configuration screen with n and R typed, then Ctrl+`key` on it: the window it opened.
  static QWidget* openFrom(Form2& start, Qt::Key key, const QStringList& typed) {
    QWidget* config = active(openConfiguration(start));
    for (int i = 0; i < typed.size(); ++i) control(config, kBoxes[i])->setProperty("text", typed[i]);
    QTest::keyClick(config, key, Qt::ControlModifier);
    return active(QApplication::activeModalWidget());
  }
  static QString shown(const WindowLogic& logic, const char* name) { return QString::fromStdString(logic.control(name).text); }
  static QWidget* fileDialog() { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); }

 private slots:
  void init() { prepare(); }

  void intervalsFromTheConfigurationScreen() {
    Form2 start(services());
    auto* form = qobject_cast<IntervalForm*>(openFrom(start, Qt::Key_I, {"30", "150"}));
    QVERIFY(form);
    QCOMPARE(texts(form, {"SampleSizeTXT", "RepetitionsTXT"}), (QStringList{"30", "150"}));
    const QString csv = QDir::tempPath() + "/varnesk_intervalos.csv";
    QFile::remove(csv);
    QStringList asked;  // the save dialogs shown, answered with `csv`
    whenShown(form, fileDialog, [csv, &asked](QWidget* dialog) {
      asked << dialog->windowTitle();
      static_cast<QFileDialog*>(dialog)->selectFile(csv);
      static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, by its public base
    });
    QTest::keyClick(form, Qt::Key_S, Qt::ControlModifier);  // nothing yet: said, with no dialog
    QCOMPARE(std::tuple(messages.last(), asked.size()), std::tuple(QString("IntervalForm: Nada para salvar: faça uma simulação primeiro."), 0));
    const auto next = [form] { click(form, "NextButton"); };
    const auto key = [form](Qt::Key k) { return [form, k] { QTest::keyClick(form, k); }; };
    const std::vector<std::tuple<std::function<void()>, QString, bool>> steps{
        {next, "1 de 150", true},
        {key(Qt::Key_D), "11 de 150", true},
        {key(Qt::Key_C), "111 de 150", true},
        {[form] { click(form, "AllButton"); }, "150 de 150", false},
    };
    for (const auto& [step, progress, more] : steps) {
      step();
      QCOMPARE(texts(form, {"ProgressLBL", "CoverageLBL"}), (QStringList{"Amostras mostradas: " + progress, shown(form->logic(), "CoverageLBL")}));
      for (const char* button : {"NextButton", "AllButton", "PlayButton"}) QCOMPARE(control(form, button)->isEnabled(), more);
      if (progress == "111 de 150") {  // the clock adds samples at the speed set, until P pauses it
        click(form, "PlayButton");
        QCOMPARE(std::tuple(texts(form, {"PlayButton"}), form->playbackClock().interval()), std::tuple(QStringList{"Pausar"}, 200));
        QTRY_VERIFY(form->logic().shown() >= 113);
        QTest::keyClick(form, Qt::Key_P);
        QCOMPARE(std::tuple(texts(form, {"PlayButton"}), form->playbackClock().isActive()), std::tuple(QStringList{"Reproduzir"}, false));
      }
    }
    const QString formula = texts(form, {"FormulaLBL"})[0];
    auto* correction = qobject_cast<QCheckBox*>(control(form, "CorrectionCheck"));
    QTest::mouseClick(correction, Qt::LeftButton, {}, QPoint(8, correction->height() / 2));
    QVERIFY(texts(form, {"FormulaLBL"})[0] != formula && texts(form, {"FormulaLBL"})[0] == shown(form->logic(), "FormulaLBL"));
    click(form, "CompareButton");
    QCOMPARE(form->findChild<QTableWidget*>("CoverageTable")->rowCount(), 3);
    QTest::keyClick(form, Qt::Key_S, Qt::ControlModifier);
    QFile saved(csv);
    QVERIFY(asked == QStringList{"Salvar intervalos"} && saved.open(QIODevice::ReadOnly) && saved.readAll().toStdString() == form->logic().intervalsCsv());
    form->close();
  }

  // A refused n or R opens nothing: the core's message over the configuration screen, the
  // focus on the box to correct.
  void refusalsOpenNothing() {
    const std::vector<std::tuple<QStringList, QString, QString>> cases{
        {{"1", "150"}, QString::fromStdString(*intervalProblem(1)), kBoxes[0]},
        {{"30", "0"}, "Preencha o campo: Número de Repetições!", kBoxes[1]},
    };
    for (const auto& [typed, message, box] : cases) {
      Form2 start(services());
      QWidget* config = openFrom(start, Qt::Key_I, typed);
      QCOMPARE(std::tuple(config->objectName(), messages.last(), focus(config), config->findChildren<IntervalForm*>().size()),
               std::tuple(QString("Form3"), "Form3: " + message, box, qsizetype{0}));
    }
  }

  // At 95 % on the program's population, E = 0,2 needs n = 193 and E = 0.1 n = 769, by Enter in
  // the margin or Calcular, with a comma or a point; Enter in the repetitions checks by simulation.
  void plannerFromTheConfigurationScreen() {
    Form2 start(services());
    auto* planner = qobject_cast<PlannerForm*>(openFrom(start, Qt::Key_M, {}));
    QVERIFY(planner);
    for (const auto& [margin, enter, size] : {std::tuple{"0,2", true, "n = 193 "}, {"0.1", false, "n = 769 "}}) {
      qobject_cast<QLineEdit*>(control(planner, "MarginTXT"))->setText(margin);
      enter ? QTest::keyClick(control(planner, "MarginTXT"), Qt::Key_Return) : (void)click(planner, "PlanButton");
      QVERIFY2(texts(planner, {"SizeLBL"})[0].startsWith(size), qPrintable(texts(planner, {"SizeLBL"})[0]));
    }
    QTest::keyClick(control(planner, "RepetitionsTXT"), Qt::Key_Return);
    const QStringList checked{"MarginsLBL", "WithinLBL", "CoverageLBL"};
    QCOMPARE(texts(planner, checked), (QStringList{shown(planner->logic(), "MarginsLBL"), shown(planner->logic(), "WithinLBL"), shown(planner->logic(), "CoverageLBL")}));
    QVERIFY(!texts(planner, checked).contains(""));
    QVERIFY(texts(planner, {"WithinLBL"})[0].contains(" de 1,000 amostras ("));
  }
};

QTEST_MAIN(IntervalWindowsTest)
#include "interval_windows_test.moc"
