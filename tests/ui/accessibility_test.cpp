// What a screen reader finds in every window, on Qt's offscreen platform: a name on each control
// it stops at, the value boxes read with their captions, and the chart's sentence as its
// description, announced once each time it changes (counted by the window: Qt tells no one on
// the offscreen platform).
#include "chart/wave_file.h"
#include "engine/window_registry.h"
#include "ui/comparison_form.h"
#include "ui/form3.h"
#include "ui/interval_form.h"
#include "ui/planner_form.h"
#include "ui/population_form.h"
#include "window_driver.h"

int told(QWidget* chart) { return chart->property("varnesk_sentences_told").toInt(); }

class AccessibilityTest : public QObject, WindowDriver {
  Q_OBJECT

 public slots:
  // Where the program sends the sound to be played, in place of the system's player.
  void play(const QUrl& url) { played << url.toLocalFile(); }

 private:
  QStringList played;

  // Every window of the registry, as the program makes it; a new window needs a line here.
  static std::unique_ptr<QWidget> make(std::string_view name) {
    const std::map<std::string_view, std::function<QWidget*()>> made{
        {"Form2", [] { return new Form2(services()); }},
        {"Form3", [] { return new Form3(services(), nullptr); }},
        {"form1", [] { return new SimulationForm("form1", services(), nullptr); }},
        {"Form4", [] { return new SimulationForm("Form4", services(), nullptr); }},
        {"ComparisonForm", [] { return new ComparisonForm(services(), nullptr); }},
        {"PopulationForm", [] { return new PopulationForm(services(), nullptr); }},
        {"IntervalForm", [] { return new IntervalForm(services(), nullptr); }},
        {"PlannerForm", [] { return new PlannerForm(services(), nullptr); }},
    };
    const auto found = made.find(name);
    return std::unique_ptr<QWidget>(found == made.end() ? nullptr : found->second());
  }

 private slots:
  void init() { prepare(); }

  void everyFocusableControlHasAName() {
    for (const WindowEntry& entry : windowRegistry()) {
      const std::unique_ptr<QWidget> window = make(entry.name);
      QVERIFY2(window, entry.name.data());
      window->show();
      for (QWidget* w : window->findChildren<QWidget*>()) {
        // A spin box's own line edit is read as the spin box.
        if (w->objectName().isEmpty() || !(w->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
          continue;
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(spoken && !spoken->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(QString::fromUtf8(entry.name.data(), entry.name.size()) + " " + w->objectName()));
      }
    }
  }

  void valueBoxesAndTheChartSayWhatTheyShow() {
    SimulationForm form1("form1", services(), nullptr);
    QVERIFY(form1.Load("1000", "100"));
    form1.show();
    QCOMPARE(control(&form1, "TamanhodaAmostraTXT")->accessibleName(), "Tamanho da Amostra");
    QCOMPARE(control(&form1, "MinimoLBL")->accessibleName(), "Mínimo 0");
    click(&form1, "Command1");
    const QString minimum = texts(&form1, {"MinimoLBL"}).front();
    QVERIFY(minimum != "0");
    QCOMPARE(control(&form1, "MinimoLBL")->accessibleName(), "Mínimo " + minimum);
    const QString description = client(&form1)->accessibleDescription();
    QVERIFY2(description.startsWith("Histograma de 100 médias amostrais, de "), qPrintable(description));
    QVERIFY(description.contains("\n"));  // then the classes, one a line
    QCOMPARE(told(client(&form1)), 1);
  }

  // "Ouvir o histograma": nothing to hear before a run; then the WAV file of the core's tones,
  // handed to the system's player.
  void theHistogramIsHeard() {
    QDesktopServices::setUrlHandler("file", this, "play");
    SimulationForm form1("form1", services(), nullptr);
    QVERIFY(form1.Load("1000", "100"));
    QAction* listen = nullptr;
    for (QAction* a : form1.actions())
      if (a->text() == "Ouvir o histograma") listen = a;
    QVERIFY(listen);
    messages.clear();
    listen->trigger();
    QCOMPARE(std::pair(messages, played.size()), std::pair(QStringList{"form1: Nada para ouvir: faça uma simulação primeiro."}, qsizetype(0)));
    click(&form1, "Command1");
    listen->trigger();
    QCOMPARE(played.size(), 1);
    QFile wav(played.front());
    QVERIFY(wav.open(QIODevice::ReadOnly));
    const QByteArray bytes = wav.readAll();
    QCOMPARE(bytes.size(), qsizetype(waveFile(form1.logic().tones()).size()));
    QVERIFY(bytes.startsWith("RIFF") && !form1.logic().tones().empty());
    QDesktopServices::unsetUrlHandler("file");
  }

  // The playback's button changes, the chart does not: nothing more is announced.
  void aNewSentenceIsAnnouncedOnce() {
    Form2 start(services());
    SimulationForm* form4 = openStepByStep(start);
    QVERIFY(form4);
    QCOMPARE(told(client(form4)), 0);
    form4->simulateMany(3);
    form4->playPause();
    form4->playPause();
    QCOMPARE(told(client(form4)), 1);
    form4->simulateMany(1);
    QCOMPARE(told(client(form4)), 2);
    form4->close();
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
