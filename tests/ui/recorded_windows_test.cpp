// Every desktop window as the teacher sees it, held to what was recorded before the windows
// shared one registry: each window's widgets (kind, name, place, text, state, font, tip), its
// tab order, its menu bar and the pixels of its client area, at the points of a walk through
// the program. One SHA-256 per window and point in recorded_windows.sha256; VARNESK_RECORD=1
// writes the recording anew, VARNESK_RAW=folder keeps each dump and picture there.
#include <QtTest>
#include <QtWidgets>

#include "ui/application.h"
#include "ui/form2.h"

using namespace varnesk;
using namespace varnesk::ui;

namespace {

UiServices services() {
  return {[](QWidget*, const QString&) {}, [] {},
          [] { return PopulationSource{std::filesystem::path(VARNESK_POPULATION), {}}; },
          [] { return 42ull; }};
}

QWidget* find(QWidget* window, const QString& name) {
  for (QWidget* w : window->findChildren<QWidget*>(name))
    if (w->window() == window) return w;
  qFatal("control %s not found", qPrintable(name));
}

QWidget* click(QWidget* window, const QString& button) {
  QTest::mouseClick(qobject_cast<QAbstractButton*>(find(window, button)), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return QApplication::activeModalWidget();
}

void type(QWidget* window, const QString& box, const QString& text) {
  qobject_cast<QLineEdit*>(find(window, box))->setText(text);
}

void trigger(QWidget* window, const QString& caption) {
  for (QAction* a : window->findChildren<QAction*>())
    if (a->text() == caption) return a->trigger();
  qFatal("action %s not found", qPrintable(caption));
}

QString dump(QWidget* window) {
  QString out;
  QTextStream s(&out);
  s << window->objectName() << " | " << window->windowTitle() << " | " << window->size().width()
    << "x" << window->size().height() << "\n";
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->window() != window) continue;
    const QRect g(w->mapTo(window, QPoint(0, 0)), w->size());
    s << w->metaObject()->className() << " " << w->objectName() << " " << g.x() << "," << g.y()
      << " " << g.width() << "x" << g.height() << " vis=" << w->isVisibleTo(window)
      << " en=" << w->isEnabled() << " focus=" << int(w->focusPolicy())
      << " font=" << w->font().family() << "/" << w->font().pointSizeF() << "/" << w->font().bold()
      << " tip=" << w->toolTip();
    for (const char* p : {"text", "title", "value", "checked", "minimum", "maximum"})
      if (w->property(p).isValid()) s << " " << p << "=" << w->property(p).toString();
    if (auto* t = qobject_cast<QTableWidget*>(w))
      for (int r = 0; r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c)
          s << " [" << (t->item(r, c) ? t->item(r, c)->text() : "") << "]";
    s << "\n";
  }
  s << "tab:";
  QWidget* first = window->focusWidget() ? window->focusWidget() : window;
  QWidget* w = first;
  for (int i = 0; i < 200; ++i) {
    s << " " << w->objectName();
    w = w->nextInFocusChain();
    if (w == first) break;
  }
  s << "\nfocus: " << (window->focusWidget() ? window->focusWidget()->objectName() : "") << "\n";
  if (auto* bar = window->findChild<QMenuBar*>())
    for (QAction* menu : bar->actions()) {
      s << "menu " << menu->text() << ":";
      if (menu->menu())
        for (QAction* a : menu->menu()->actions())
          s << " [" << a->text() << " " << a->shortcut().toString() << " " << a->isEnabled()
            << a->isCheckable() << a->isChecked() << "]";
      s << "\n";
    }
  return out;
}

struct Recorder {
  QStringList lines;
  void take(const QString& point, QWidget* window) {
    const QString text = dump(window);
    // The client area without its editable boxes, whose caret blinks.
    QWidget* client = find(window, "client");
    QImage picture = client->grab().toImage();
    for (QLineEdit* e : client->findChildren<QLineEdit*>())
      if (e->isVisible()) {
        QPainter p(&picture);
        p.fillRect(QRect(e->mapTo(client, QPoint(0, 0)), e->size()), Qt::black);
      }
    QByteArray pixels(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    const QByteArray digest =
        QCryptographicHash::hash(text.toUtf8() + pixels, QCryptographicHash::Sha256).toHex();
    lines << QString::fromLatin1(digest) + "  " + point;
    if (const QByteArray raw = qgetenv("VARNESK_RAW"); !raw.isEmpty()) {
      QDir().mkpath(raw);
      const QString base = QString::fromUtf8(raw) + "/" + QString::number(lines.size());
      QFile f(base + ".txt");
      if (f.open(QIODevice::WriteOnly)) f.write((point + "\n" + text).toUtf8());
      picture.save(base + ".png");
    }
  }
};

}  // namespace

class RecordedWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings("varnesk", "varnesk").clear();
    prepareApplication();
  }

  void everyWindowAsRecorded() {
    Recorder r;
    // A dialog the entry opens over `window`, recorded, then closed.
    const auto takeDialog = [&r](QWidget* window, const QString& entry, const QString& name) {
      trigger(window, entry);
      QWidget* view = QApplication::activeModalWidget();
      r.take(name, view);
      view->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    Form2 start(services());
    start.resize(1024, 740);
    start.show();
    r.take("start screen", &start);
    QWidget* configuration = click(&start, "Command1");
    r.take("configuration screen", configuration);
    for (const auto& [n, reps] : {std::pair{"1000", "100"}, {"50", "3000"}, {"10", "1"}}) {
      type(configuration, "TamanhodaAmostraTXT", n);
      type(configuration, "NumeroRepeticoesTXT", reps);
      QWidget* instant = click(configuration, "Command1");
      const QString at = QString("instant n %1 R %2").arg(n, reps);
      r.take(at + " opened", instant);
      click(instant, "Command1");
      r.take(at + " run", instant);
      trigger(instant, "Mostrar curva normal da teoria");
      r.take(at + " with the curve", instant);
      click(instant, "Command1");
      r.take(at + " run again", instant);
      takeDialog(instant, "População…", at + " population");
      click(instant, "Command3");
    }
    for (const auto& [n, reps] : {std::pair{"500", "150"}, {"10", "1000"}}) {
      type(configuration, "TamanhodaAmostraTXT", n);
      type(configuration, "NumeroRepeticoesTXT", reps);
      QWidget* step = click(configuration, "Command3");
      const QString at = QString("step n %1 R %2").arg(n, reps);
      r.take(at + " opened", step);
      for (int clicks : {1, 99, 1, 399, 1, 1000}) {
        for (int i = 0; i < clicks; ++i) click(step, "Command1");
        r.take(at + " after " + QString::number(clicks), step);
        if (clicks == 99) trigger(step, "Mostrar curva normal da teoria");
      }
      takeDialog(step, "Mostrar amostra", at + " sample");
      click(step, "Command3");
    }
    takeDialog(configuration, "População…", "population from the configuration screen");
    trigger(configuration, "Comparar tamanhos de amostra…");
    QWidget* comparison = QApplication::activeModalWidget();
    r.take("comparison opened", comparison);
    type(comparison, "SampleSizesTXT", "10,100,1000");
    type(comparison, "RepetitionsTXT", "300");
    click(comparison, "CompareButton");
    QTRY_VERIFY_WITH_TIMEOUT(find(comparison, "CompareButton")->isEnabled(), 60000);
    r.take("comparison done", comparison);
    comparison->close();

    const QString file = QFINDTESTDATA("recorded_windows.sha256");
    if (qEnvironmentVariableIsSet("VARNESK_RECORD")) {
      QFile out(QStringLiteral(VARNESK_SOURCE_DIR "/recorded_windows.sha256"));
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write((r.lines.join("\n") + "\n").toUtf8());
      return;
    }
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QStringList recorded = QString::fromUtf8(in.readAll()).trimmed().split("\n");
    QStringList moved;
    for (int i = 0; i < r.lines.size(); ++i)
      if (i >= recorded.size() || recorded[i] != r.lines[i]) moved << r.lines[i].mid(66);
    QVERIFY2(moved.isEmpty() && recorded.size() == r.lines.size(),
             qPrintable("windows that changed: " + moved.join(", ")));
  }
};

QTEST_MAIN(RecordedWindowsTest)
#include "recorded_windows_test.moc"
