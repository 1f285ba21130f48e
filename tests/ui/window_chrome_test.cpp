// What every window has around its controls, on Qt's offscreen platform: layout at 15 twips to
// the pixel, tab order, titles and fonts, the menu bar and the right-click menu, the zoom and
// full screen, and Qt's own texts in Portuguese.
#include "ui/comparison_form.h"
#include "ui/form3.h"
#include "ui/help_dialogs.h"
#include "ui/qt_translations.h"
#include "window_driver.h"

class WindowChromeTest : public QObject, WindowDriver {
  Q_OBJECT

 private slots:
  void init() { prepare(); }

  void layout() {
    Form2 start(services());
    Form3 config(services(), nullptr);
    SimulationForm form1("form1", services(), nullptr);
    SimulationForm form4("Form4", services(), nullptr);
    QVERIFY(form1.Load("1000", "100") && form4.Load("1000", "100"));
    for (const auto& [window, order] : std::vector<std::pair<QWidget*, QStringList>>{
             {&start, {"Command1", "Command2"}},
             {&config, {"TamanhodaAmostraTXT", "Command2", "NumeroRepeticoesTXT", "Command3", "Command1", "Check1"}},
             {&form1, {"Command1", "Command3", "TamanhodaAmostraTXT", "NumeroRepeticoesTXT"}},
             {&form4, {"Command1", "NumeroRepeticoesTXT", "TamanhodaAmostraTXT", "Command3"}}}) {
      QStringList chain;  // the tab order, from the control that has the focus when the window opens
      for (QWidget* c = window->focusWidget(); chain.size() < order.size(); c = c->nextInFocusChain())
        if (c->focusPolicy() & Qt::TabFocus) chain << c->objectName();
      QCOMPARE(chain, order);
    }
    for (const auto& [window, name, box] :  // pixels, in the control's container
         {std::tuple<QWidget*, const char*, QRect>{&config, "TamanhodaAmostraTXT", {137, 20, 49, 19}},
          {&config, "Frame2", {9, 70, 267, 72}},
          {&form1, "Command1", {512, 10, 80, 35}},
          {&form4, "Command1", {512, 11, 80, 34}},
          {&form4, "Command3", {619, 11, 79, 35}},
          {&form1, "dpLBL", {645, 18, 53, 16}},
          {&form4, "Frame2", {5, 495, 711, 43}},
          {&start, "Frame2", {263, 317, 274, 58}}})  // centred, at 0.75: 860 pixels are wider than the screen
      QCOMPARE(control(window, name)->geometry(), box);
    // The simulation windows grow at the bottom by the strip under their panel, and every window
    // by its menu bar, above the client area.
    QCOMPARE(std::tuple(client(&config)->size(), client(&form1)->size(), client(&form4)->size()),
             std::tuple(QSize(427, 157), QSize(723, 588), QSize(723, 600)));
    const QMenuBar* bar = form4.findChild<QMenuBar*>();
    QCOMPARE(std::tuple(form4.size(), client(&form4)->pos()),
             std::tuple(QSize(723, 600 + bar->height()), QPoint(0, bar->height())));
    QCOMPARE(QStringList({start.windowTitle(), form1.windowTitle(), form4.windowTitle()}) +
                 texts(&form4, {"Command3", "Label6"}),
             (QStringList{"Varnesk" + QString(36, ' ') + "Estimativa Amostral da Taxa Média de Perda",
                          "Varnesk" + QString(39, ' ') + "Sistema de Simulação em Tempo Real",
                          "Varnesk" + QString(30, ' ') + "Sistema de Simulação em Tempo Real  (Passo a Passo)",
                          " Encerrar/ Configurar", "δ"}));
    for (const auto& [window, name, family, pixels] :
         {std::tuple<QWidget*, const char*, const char*, int>{&start, "Label4", "DejaVu Sans", 20},  // 27 at 0.75
          {&config, "Label2", "DejaVu Sans", 11},
          {&form1, "Label8", "Liberation Sans", 13},
          {&form1, "Label6", "DejaVu Sans", 16}}) {
      const QFontInfo f(control(window, name)->font());  // what the system found
      QCOMPARE(std::tuple(f.family(), f.pixelSize(), f.bold()), std::tuple(QString(family), pixels, pixels != 11));
    }
  }

  // The bar in Portuguese with the keys beside the entries, from the core's menus.
  void menuBar() {
    Form3 config(services(), nullptr);
    QStringList entries;
    for (QAction* menu : config.findChild<QMenuBar*>()->actions())
      for (QAction* a : menu->menu()->actions()) entries << menu->text() + ": " + a->text() + " " + a->shortcut().toString();
    QCOMPARE(entries.mid(9, 7), (QStringList{"Exibir: Tela cheia F11", "Exibir: Alto contraste (projetor) ",
                                             "Simulação: Comparar tamanhos de amostra… Ctrl+T",
                                             "Simulação: Intervalos de confiança… Ctrl+I", "Simulação: Tamanho da amostra… Ctrl+M",
                                             "Ajuda: Guia do professor F1", "Ajuda: Sobre o Varnesk "}));
  }

  static QAction* themeOf(QWidget* window) {
    for (QAction* a : window->actions())
      if (a->text() == "Alto contraste (projetor)") return a;
    qFatal("no theme entry");
  }

  // The projector's theme: every open window turns white on black, its chart too, and a window
  // opened later starts in it, ticked; off again, each control has its own colours back.
  void projectorTheme() {
    SimulationForm form1("form1", services(), nullptr);
    QVERIFY(form1.Load("1000", "100"));
    form1.show();
    QWidget* value = control(&form1, "MinimoLBL");
    const QColor own = value->palette().color(QPalette::Window);
    themeOf(&form1)->trigger();
    QCOMPARE(std::pair(value->palette().color(QPalette::Window), value->palette().color(QPalette::WindowText)), std::pair(QColor(Qt::black), QColor(Qt::white)));
    QCOMPARE(client(&form1)->grab().toImage().pixelColor(40, 300), QColor(Qt::black));  // beside the chart's frame
    Form3 later(services(), nullptr);
    QVERIFY(themeOf(&later)->isChecked());
    QCOMPARE(client(&later)->palette().color(QPalette::Window), QColor(Qt::black));
    themeOf(&later)->trigger();
    QCOMPARE(value->palette().color(QPalette::Window), own);
    QVERIFY(!themeOf(&form1)->isChecked());
  }

  // The zoom of every window stops at the largest step the screen holds (800 x 800 here), is kept
  // for the window's next opening, and goes with full screen, which scales the whole client area
  // to the screen, centred, and gives the window back where it was.
  void zoomFitsAndIsKept() {
    {
      Form3 config(services(), nullptr);
      config.show();
      QVERIFY(QTest::qWaitForWindowActive(&config));
      for (int i = 0; i < 6; ++i) QTest::keyClick(&config, Qt::Key_Plus, Qt::ControlModifier);
      QCOMPARE(std::tuple(client(&config)->size(), control(&config, "TamanhodaAmostraTXT")->geometry()),
               std::tuple(QSize(747, 275), QRect(240, 35, 86, 33)));  // 1.75: 2 x 427 is wider than 800
    }
    Form3 config(services(), nullptr);  // opened again: as large as it was left
    QCOMPARE(client(&config)->size(), QSize(747, 275));
    config.setGeometry(30, 40, config.width(), config.height());
    config.show();
    QVERIFY(QTest::qWaitForWindowActive(&config));
    QTest::keyClick(&config, Qt::Key_F11);
    const QSize screen = config.screen()->geometry().size();
    QTRY_COMPARE(config.size(), screen);
    const int bar = config.findChild<QMenuBar*>()->height();
    const QRect c = client(&config)->geometry();  // 427 x 157 to 800 x (800 - bar): width fills
    QCOMPARE(std::tuple(c.width(), c.left(), c.top() - bar), std::tuple(screen.width(), 0, (screen.height() - bar - c.height()) / 2));
    QTest::keyClick(&config, Qt::Key_Minus, Qt::ControlModifier);  // zooms, and stays full screen
    QTest::keyClick(&config, Qt::Key_F11);
    QTRY_VERIFY(!config.isFullScreen());  // back where it was, at the zoom set in full screen
    QCOMPARE(std::tuple(config.pos(), client(&config)->size()), std::tuple(QPoint(30, 40), QSize(641, 236)));
  }

  // A window larger than the screen (the comparison's 900 x 727 on 800 x 800) opens at the largest
  // step that fits, its table's headings at its labels' size, and keeps nothing for that; Ampliar
  // is greyed at the largest step, Reduzir at the smallest, where the teacher's zoom is kept.
  void zoomOpensAtWhatFitsAndStopsAtTheEnds() {
    ComparisonForm comparison(services(), nullptr);
    comparison.show();
    QVERIFY(QTest::qWaitForWindowActive(&comparison));
    const auto state = [&comparison] {
      QStringList enabled;
      for (QAction* a : comparison.findChildren<QAction*>())
        if (a->text() == "Ampliar" || a->text() == "Reduzir") enabled << a->text() + " " + (a->isEnabled() ? "on" : "off");
      const QFontInfo heading(comparison.findChild<QTableWidget*>()->horizontalHeader()->font()), label(control(&comparison, "SampleSizesLBL")->font());
      return std::tuple(client(&comparison)->size(), heading.pixelSize() - label.pixelSize(), enabled, QSettings("varnesk", "varnesk").value("zoom/ComparisonForm", 0).toDouble());
    };
    QCOMPARE(state(), std::tuple(QSize(675, 545), 0, QStringList{"Ampliar off", "Reduzir on"}, 0.0));
    QTest::keyClick(&comparison, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(&comparison, Qt::Key_Minus, Qt::ControlModifier);  // no step below
    QCOMPARE(state(), std::tuple(QSize(450, 364), 0, QStringList{"Ampliar on", "Reduzir off"}, 0.5));
  }

  // Shift+F10 opens the right-click menu where the keyboard is; it leaves out the help.
  // Every picture the guide names is found where the guide looks, and no merge left its marks.
  void guideShowsEveryPicture() {
    Form2 start(services());
    showTeacherGuide(&start);
    auto* browser = start.findChild<QTextBrowser*>();
    QVERIFY(browser);
    QFile guide(QStringLiteral(":/guia.md"));
    QVERIFY(guide.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(guide.readAll());
    QVERIFY(!text.contains(QStringLiteral("\n<<<<<<<")) && !text.contains(QStringLiteral("\n>>>>>>>")));
    int pictures = 0;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("\\]\\(([^)]+\\.png)\\)")).globalMatch(text)) {
      QVERIFY2(!browser->loadResource(QTextDocument::ImageResource, QUrl(m.captured(1))).isNull(), qPrintable(m.captured(1)));
      ++pictures;
    }
    QVERIFY(pictures >= 5);
  }

  void contextMenuFromTheKeyboard() {
    SimulationForm form4("Form4", services(), nullptr);
    QVERIFY(form4.Load("1000", "100"));
    form4.show();
    QVERIFY(QTest::qWaitForWindowActive(&form4));
    QStringList entries;
    whenShown(&form4, QApplication::activePopupWidget, [&entries](QWidget* menu) {
      for (QAction* a : menu->actions()) entries << a->text();
      menu->close();
    });
    QTest::keyClick(&form4, Qt::Key_F10, Qt::ShiftModifier);  // eighteen entries, a separator, the seed line
    QVERIFY(entries.size() == 20 && entries.first() == "Salvar gráfico (PNG)…" && entries.last().contains("42"));
  }

  // Qt's own buttons and dialogs speak the user's language.
  void qtSpeaksPortuguese() {
    QTranslator* translator = installQtTranslations(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QVERIFY2(translator, "Qt's translations for pt_BR are missing (qt6-translations-l10n)");
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    QString captions = buttons.button(QDialogButtonBox::Cancel)->text() + buttons.button(QDialogButtonBox::Save)->text();
    delete translator;  // the application goes back to Qt's English for the other tests
    QCOMPARE(captions.remove('&'), "CancelarSalvar");
  }
};

QTEST_MAIN(WindowChromeTest)
#include "window_chrome_test.moc"
