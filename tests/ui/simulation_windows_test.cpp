// The two simulation windows, form1 and Form4, on Qt's offscreen platform: the keyboard, the
// exports and failed saves, the playback, the seed typed in, and what they paint.
#include <unistd.h>
#include "engine/captioned_picture.h"
#include "ui/file_saver.h"
#include "window_driver.h"

class SimulationWindowsTest : public QObject, WindowDriver {
  Q_OBJECT

 private slots:
  void init() { prepare(); }

  // The step-by-step window by keyboard: Enter presses, D adds ten, the focus leaves Simular after
  // the last mean (never for Encerrar); on the test's 800 x 800 screen it is as large as fits.
  void stepByStepByKeyboard() {
    Form2 start(services());
    QPointer<SimulationForm> form4 = openStepByStep(start);
    QCOMPARE(std::tuple(texts(form4, kBoxes), control(form4, kBoxes[1])->isEnabled()),
             std::tuple(QStringList{"500", "0"}, false));
    QTest::keyClick(form4->focusWidget(), Qt::Key_Return);
    QVERIFY(QTest::qWaitForWindowActive(form4));
    QTest::keyClick(form4, Qt::Key_D);  // ten more
    QCOMPARE(texts(form4, kBoxes), (QStringList{"500", "11"}));
    // The strip under the panel shows the logic's lines; the disabled counter keeps dark text.
    QCOMPARE(texts(form4, {"ProgressLBL"}), QStringList{"Médias mostradas: 11 de 150"});
    const QPalette counter = control(form4, kBoxes[1])->palette();
    QCOMPARE(counter.color(QPalette::Disabled, QPalette::Text), counter.color(QPalette::Active, QPalette::Text));
    form4->simulateMany(200);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(std::tuple(QApplication::activeModalWidget(), texts(form4, kBoxes), form4->logic().chart().surface.size(),
                        control(form4, "Command1")->isEnabled()),
             std::tuple(form4.data(), QStringList{"500", "150"}, std::size_t{150}, false));
    const QRect simulate = control(form4, "Command1")->geometry();
    QTest::keyClick(form4, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(std::tuple(client(form4)->size(), control(form4, "Command1")->geometry()), std::tuple(QSize(723, 600), simulate));
    QTest::keyClick(form4, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(std::tuple(client(form4)->size(), control(form4, "Command1")->geometry()), std::tuple(QSize(723, 600), simulate));
    form4->close();
  }

  // The means for a spreadsheet, the chart's picture with its caption, its SVG and the
  // statistics for the clipboard.
  void exports() {
    Form2 start(services());
    QPointer<SimulationForm> form4 = openStepByStep(start);
    const QString prefix = QDir::tempPath() + "/varnesk_janelas_";
    const qsizetype before = messages.size();
    QVERIFY(!form4->saveChart(prefix + "_vazio.png") && !form4->saveSvg(prefix + "_vazio.svg") && !form4->saveMeans(prefix + "_vazio.csv"));
    QCOMPARE(messages.mid(before), QStringList(3, "Form4: Nada para salvar: faça uma simulação primeiro."));
    QVERIFY(!QFile::exists(prefix + "_vazio.png") && !QFile::exists(prefix + "_vazio.csv"));
    form4->simulateMany(150);
    QVERIFY(form4->saveMeans(prefix + ".csv") && form4->saveChart(prefix + ".png") && form4->saveSvg(prefix + ".svg"));
    QFile csv(prefix + ".csv");
    QVERIFY(csv.open(QIODevice::ReadOnly) && csv.readAll().count("\r\n") == 150 + 8);
    // The chart's 442 rows and two lines of caption beneath, in dark text on the window's colour.
    const QImage png(prefix + ".png");
    QCOMPARE(png.size(), QSize(723, 442 + 40));
    int dark = 0;
    for (int y = 442; y < png.height(); ++y)
      for (int x = 0; x < png.width(); ++x) dark += qGray(png.pixel(x, y)) < 100;
    QVERIFY2(dark > 500, qPrintable(QString::number(dark)));
    QFile svg(prefix + ".svg");
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().toStdString() == chartSvg(form4->logic()));
    form4->copyStatistics();
    QVERIFY(QApplication::clipboard()->text().startsWith("Mínimo\tQ1\tMediana\tQ3\tMáximo\tMédia\tdp\n"));
    form4->close();
  }

  // A save that fails says why and leaves a file already there as it was.
  void failedSavesSayWhyAndLoseNothing() {
    SimulationForm form1("form1", services(), nullptr);
    QVERIFY(form1.Load("100", "100"));
    click(&form1, "Command1");
    QTemporaryDir folder;
    const QString closed = geteuid() == 0 ? "/sys" : folder.filePath("fechada");  // root writes anywhere else
    if (geteuid() != 0) QVERIFY(QDir().mkdir(closed) && QFile::setPermissions(closed, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    for (const auto& [file, reason] : std::vector<std::pair<QString, QString>>{
             {folder.filePath("nao_existe/medias.csv"), "A pasta não existe."},
             {closed + "/medias.csv", "Não há permissão para gravar nessa pasta."}}) {
      QVERIFY(!form1.saveMeans(file) && !form1.saveChart(file + ".png") && !form1.saveSvg(file + ".svg"));
      for (const QString& last : messages.mid(messages.size() - 3))
        QVERIFY2(last.contains(reason) && last.contains("Nada foi perdido"), qPrintable(last));
    }
    // A write that breaks off halfway leaves the earlier file whole, and no temporary file beside it.
    const QString existing = folder.filePath("medias.csv");
    QVERIFY(form1.saveMeans(existing));
    const QByteArray content = form1.logic().meansCsv().c_str();
    QVERIFY(saveAtomically(existing, [](QIODevice& out) { return out.write("metade") == 6 && false; }).has_value());
    QFile after(existing);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(std::tuple(after.readAll() == content, QDir(folder.path()).entryList(QDir::Files).size()), std::tuple(true, 1));
  }

  // Playback presses Simular for the teacher: N ticks of its clock leave what N clicks leave, P
  // pauses it, it stops at the last mean, and the speed set is kept for the next window.
  void playbackIsClicksByTheClock() {
    static const QTemporaryDir settings;  // the speed is kept here, not in the user's settings
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    SimulationForm played("Form4", services(), nullptr), clicked("Form4", services(), nullptr);
    QVERIFY(played.Load("10", "150") && clicked.Load("10", "150"));
    played.show();
    played.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&played));
    const auto shown = [](SimulationForm& w) { return std::tuple(texts(&w, kBoxes + kPanel), w.logic().chart().surface, w.logic().tabulatedStatistics()); };
    click(&played, "PlayButton");
    QCOMPARE(std::tuple(texts(&played, {"PlayButton"}), played.playbackClock().isActive(), played.playbackClock().interval()), std::tuple(QStringList{"Pausar"}, true, 200));
    for (int tick = 0; tick < 109; ++tick) played.advancePlayback(), click(&clicked, "Command1");  // past the refit at 101
    QCOMPARE(shown(played), shown(clicked));
    QTest::keyClick(&played, Qt::Key_P);  // paused: a late tick adds nothing
    played.advancePlayback();
    QCOMPARE(std::tuple(texts(&played, {"PlayButton", "NumeroRepeticoesTXT"}), played.playbackClock().isActive()), std::tuple(QStringList{"Reproduzir", "109"}, false));
    control(&played, "SpeedSpin")->setFocus();  // typed into the speed box: 50, then P plays, to the end by the real clock
    QTest::keyClick(control(&played, "SpeedSpin"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(control(&played, "SpeedSpin"), "50p");
    QTRY_VERIFY_WITH_TIMEOUT(!played.playbackClock().isActive(), 60000);
    for (int i = 109; i < 150; ++i) click(&clicked, "Command1");
    QCOMPARE(shown(played), shown(clicked));
    QCOMPARE(texts(SimulationForm("Form4", services(), nullptr).window(), {"SpeedSpin"}), QStringList{"50"});
  }

  // A seed typed in the window's dialog, which starts from the six digits of the run shown, takes
  // its run 1 at once.
  void seedTypedInTheWindow() {
    UiServices picking = services();
    picking.seed = nullptr;
    SimulationForm typed("form1", picking, nullptr);
    QVERIFY(typed.Load("10", "100"));
    click(&typed, "Command1");
    QString shown;  // what the dialog starts from: the seed of the run on screen
    whenShown(&typed, QApplication::activeModalWidget, [&shown](QWidget* window) {
      auto* dialog = qobject_cast<QInputDialog*>(window);
      shown = dialog->textValue();
      dialog->setTextValue(" 42 ");
      dialog->accept();
    });
    const QString picked = QString::number(typed.logic().seed());
    typed.askSeed();
    QCOMPARE(std::tuple(typed.logic().seedLine(), typed.logic().runNumber(), shown, shown.size()), std::tuple(std::string("Semente 42"), 1, picked, 6));
  }

  void painting() {
    for (const auto kind : {WindowKind::Instant, WindowKind::StepByStep}) {
      SimulationForm window(simulationLayout(kind).name, services(), nullptr);
      const bool instant = kind == WindowKind::Instant;
      QVERIFY(window.Load("10", instant ? "5000" : "150"));
      window.show();
      for (int clicks = 0; clicks < (instant ? 1 : 150); ++clicks) click(&window, "Command1");
      const QImage image = client(&window)->grab().toImage();
      const auto color = [&](double x, double y) { return image.pixelColor(std::lround(x / 15), std::lround(y / 15)); };
      const ChartModel& chart = window.logic().chart();
      const Rect& f = chart.Shape1;  // outlined inside its box in the window text colour
      QVERIFY(color(f.left, f.top) == Qt::black && color(f.left + f.width - 15, f.top + f.height - 15) == Qt::black &&
              color(f.left - 15, f.top - 15) != Qt::black);
      QCOMPARE(color(chart.LinhaGradeHorizontal[2].x1 + 30, chart.LinhaGradeHorizontal[2].y1), QColor(191, 205, 219));
      int blue = 0;  // the mean line: 3 pixels wide in Form4, never shown in form1
      for (int x = 0; x < 720; ++x) blue += color(15 * x, f.top + 300) == Qt::blue;
      QCOMPARE(blue, kind == WindowKind::Instant ? 0 : 3);
      for (const Rect& c : chart.Coluna) {  // red inside a dark red outline; a single mean still shows
        if (c.visible && c.height > 90) QVERIFY(color(c.left + c.width / 2, c.top + c.height / 2) == Qt::red &&
                                                color(c.left + c.width / 2, c.top) == QColor(128, 0, 0));
        if (c.visible && c.height > 0) QVERIFY(color(c.left + c.width / 2, f.top + f.height - 30).green() < 50);
      }
      window.showNormalCurve(true);  // the normal curve of theory, dark blue, in both windows
      const QImage withCurve = client(&window)->grab().toImage();
      int curve = 0;
      for (int row = -10; row <= 10; ++row)  // dashed: some rows cross it between two dashes
        for (int x = 0; x < 720; ++x) curve += withCurve.pixelColor(x, std::lround((f.top + f.height / 2) / 15) + row) == QColor(0, 0, 128);
      QVERIFY(curve > 0);
      std::size_t red = 0, outlined = 0;  // red dots outlined in black, a few under grid lines
      for (const SurfaceDot& c : window.logic().chart().surface) {
        red += color(c.x, c.y) == Qt::red;
        outlined += std::min({color(c.x, c.y - c.radius - 15).red(), color(c.x, c.y - c.radius).red(),
                              color(c.x, c.y - c.radius + 15).red()}) < 170;
      }
      QVERIFY(10 * red >= 8 * window.logic().chart().surface.size() && 10 * outlined >= 9 * window.logic().chart().surface.size());
    }
  }
};

QTEST_MAIN(SimulationWindowsTest)
#include "simulation_windows_test.moc"
