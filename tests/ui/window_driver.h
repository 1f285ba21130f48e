#pragma once
// What the window tests share, on Qt's offscreen platform: the program's services with every
// message box and every end of the program recorded, and a user's hands on the windows (finding
// a window's own control, reading its texts, typing and clicking, answering a modal window).
// The test classes derive from it, so that their steps read as the user's.
#include <QtTest>
#include <QtWidgets>

#include "engine/population.h"
#include "layout/window_layouts.h"
#include "ui/application.h"
#include "ui/form2.h"
#include "ui/simulation_form.h"

using namespace varnesk;
using namespace varnesk::ui;

struct WindowDriver {
  static inline QStringList messages;  // every message box, after the name of the window it was shown over
  static inline int programEnds = 0;
  static inline const QStringList kBoxes{"TamanhodaAmostraTXT", "NumeroRepeticoesTXT"};
  static inline const QStringList kPanel{"MinimoLBL", "Q1LBL", "MedianaLBL", "Q3LBL", "MaximoLBL", "MediaLBL", "dpLBL"};

  // Before every test: the application as the program prepares it, without the settings (the
  // zoom kept between starts, the speed) of the tests before it.
  static void prepare() {
    [[maybe_unused]] static const bool prepared = (QStandardPaths::setTestModeEnabled(true), prepareApplication(), true);
    QSettings("varnesk", "varnesk").clear();
  }

  static UiServices services(const char* population = nullptr) {
    return {[](QWidget* owner, const QString& text) { messages << owner->objectName() + ": " + text; },
            [] { ++programEnds; },
            [file = std::filesystem::path(population ? population : defaultPopulationPath())] { return PopulationSource{file, {}}; },
            [] { return 42ull; }};
  }

  static QWidget* control(QWidget* window, const QString& name) {
    for (QWidget* found : window->findChildren<QWidget*>(name))
      if (found->window() == window) return found;
    qFatal("control %s not found", qPrintable(name));
  }
  static QStringList texts(QWidget* window, const QStringList& names) {
    QStringList out;
    for (const QString& name : names) out << control(window, name)->property("text").toString().replace('\n', ' ');
    return out;
  }
  static QString focus(QWidget* window) { return window->focusWidget()->objectName(); }
  static QWidget* client(QWidget* window) { return control(window, "client"); }  // beneath the menu bar

  // Types the two texts (when given), clicks the button, and answers the window that takes input.
  static QWidget* click(QWidget* window, const char* button, QStringList typed = {}) {
    for (int i = 0; i < typed.size(); ++i) control(window, kBoxes[i])->setProperty("text", typed[i]);
    QTest::mouseClick(qobject_cast<QPushButton*>(control(window, button)), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return QApplication::activeModalWidget();
  }

  static QWidget* openConfiguration(Form2& start) {
    start.show();
    return click(&start, "Command1");
  }
  // A step-by-step window of n 500 and R 150, opened from a configuration screen by Enter on
  // "Passo a Passo" (Enter presses the focused button, as Space does).
  static SimulationForm* openStepByStep(Form2& start) {
    QWidget* config = openConfiguration(start);
    for (int i = 0; i < 2; ++i) control(config, kBoxes[i])->setProperty("text", QStringList{"500", "150"}[i]);
    control(config, "Command3")->setFocus();
    QTest::keyClick(control(config, "Command3"), Qt::Key_Return);
    return static_cast<SimulationForm*>(QApplication::activeModalWidget());
  }

  // Answers the window `shown` gives (QApplication::activeModalWidget, activePopupWidget) from
  // inside the event loop it runs, as soon as it is there: no time passes for it. Nothing is
  // answered, nor looked for, once `owner` is gone.
  static void whenShown(QObject* owner, QWidget* (*shown)(), std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, owner, [=] {
      if (QWidget* window = shown()) return answer(window);
      whenShown(owner, shown, answer);
    });
  }
};
