#include "ui/window_chrome.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include "chart/projector_theme.h"
#include "layout/zoom_steps.h"
#include "ui/help_dialogs.h"
#include "ui/menu_actions.h"
#include "ui/twips.h"
#include "ui/window_widgets.h"
#include "ui/zoom.h"

namespace varnesk::ui {

namespace {

QSettings settings() { return QSettings(QStringLiteral("varnesk"), QStringLiteral("varnesk")); }

const QString kProjectorKey = QStringLiteral("view/projector");
// A widget's own palette, kept while the theme replaces it.
constexpr const char* kOwnPalette = "varnesk_own_palette";

QPalette projectorPalette(const QPalette& base) {
  const ProjectorTheme& t = projectorTheme();
  const auto c = [](const Color& color) { return QColor(color.r, color.g, color.b); };
  QPalette p = base;
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const QColor text = group == QPalette::Disabled ? c(t.disabledText) : c(t.text);
    p.setColor(group, QPalette::Window, c(t.background));
    p.setColor(group, QPalette::Base, c(t.background));
    p.setColor(group, QPalette::AlternateBase, c(t.face));
    p.setColor(group, QPalette::Button, c(t.face));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::BrightText, QPalette::ToolTipText})
      p.setColor(group, role, text);
    p.setColor(group, QPalette::ToolTipBase, c(t.face));
    p.setColor(group, QPalette::Highlight, c(t.accent));
    p.setColor(group, QPalette::HighlightedText, c(t.background));
    p.setColor(group, QPalette::PlaceholderText, c(t.disabledText));
    p.setColor(group, QPalette::Light, c(t.text));
    p.setColor(group, QPalette::Dark, c(t.disabledText));
  }
  return p;
}

// The client area as laid out, in pixels, from the box the window builder recorded.
QSizeF laidOutSize(const QWidget* client) {
  const QRectF box = client->property("varnesk_box_twips").toRectF();
  return {box.width() / kTwipsPerPixel, box.height() / kTwipsPerPixel};
}

}  // namespace

WindowChrome::WindowChrome(QWidget* window, QWidget* client, const std::vector<MenuEntry>& entries)
    : QObject(window),
      window_(window),
      client_(client),
      bar_(new QMenuBar(window)),
      settingsKey_(QStringLiteral("zoom/") + window->objectName()) {
  // The bar in the system's colours, whatever the window's own background.
  bar_->setPalette(QApplication::palette());
  bar_->setAutoFillBackground(true);
  for (const MenuEntry& entry : entries) {
    QAction* a = addMenuAction(window, entry);
    actions_.emplace(entry.command, a);
    if (inContextMenu(entry)) contextActions_.push_back(a);
  }
  for (const MenuBarMenu& menu : menuBar(entries)) {
    QMenu* shown = bar_->addMenu(QString::fromStdString(menu.caption));
    for (const MenuEntry& entry : menu.entries) shown->addAction(actions_.at(entry.command));
  }
  const auto on = [this](MenuCommand command, auto what) {
    if (QAction* a = action(command)) connect(a, &QAction::triggered, this, what);
  };
  on(MenuCommand::ZoomIn, [this] { setZoom(steps().larger(zoom_)); });
  on(MenuCommand::ZoomOut, [this] { setZoom(steps().smaller(zoom_)); });
  on(MenuCommand::ActualSize, [this] { setZoom(1.0); });
  on(MenuCommand::FullScreen, [this] { toggleFullScreen(); });
  on(MenuCommand::TeacherGuide, [this] { showTeacherGuide(window_); });
  on(MenuCommand::About, [this] { showAbout(window_); });
  on(MenuCommand::Exit, [this] { window_->close(); });
  on(MenuCommand::HighContrast, [](bool ticked) { setProjectorTheme(ticked); });

  // Shift+F10 opens the right-click menu where the keyboard is, as the Menu key does.
  auto* contextKey = new QAction(window);
  contextKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
  window->addAction(contextKey);
  connect(contextKey, &QAction::triggered, this, [this] {
    QWidget* at = window_->focusWidget() ? window_->focusWidget() : client_;
    showContextMenu(at->mapToGlobal(QPoint(0, at->height())));
  });

  if (QAction* theme = action(MenuCommand::HighContrast)) {
    // Ticked before it is connected: opening in the theme is not a choice the teacher made.
    theme->setChecked(projectorThemeOn());
    if (projectorThemeOn()) showTheme(true);
  }
  window->installEventFilter(this);
  zoom_ = ZoomSteps::kSmallest - 1;  // nothing applied yet
  kept_ = settings().value(settingsKey_, 1.0).toDouble();
  fitKeptZoom();
}

QAction* WindowChrome::action(MenuCommand command) const {
  const auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
}

ZoomSteps WindowChrome::steps() const {
  const QSizeF client = laidOutSize(client_);
  // The frame is known once the window is shown; before, a common title bar's is assumed, and
  // the zoom is fitted again with the real one when the window appears. Frame and bar keep their
  // size at every zoom, so a wrong guess costs a step only on a screen within a few pixels.
  QSize frame = window_->frameGeometry().size() - window_->geometry().size();
  if (!window_->isVisible()) frame = QSize(8, 32);
  const QRect screen = window_->screen()->availableGeometry();
  return ZoomSteps::forDesktop(
      {client.width(), client.height()},
      {double(frame.width()), double(bar_->sizeHint().height() + frame.height())},
      {double(screen.width()), double(screen.height())});
}

void WindowChrome::setZoom(double zoom) {
  kept_ = steps().fitted(zoom);
  settings().setValue(settingsKey_, kept_);
  applyStep(kept_);
}

void WindowChrome::fitKeptZoom() {
  if (layingOut_ || fullScreen_ || window_->isMaximized()) return;
  applyStep(steps().fitted(kept_));
}

void WindowChrome::applyStep(double zoom) {
  if (zoom != zoom_) {
    zoom_ = zoom;
    relayout();
  }
  // Ampliar and Reduzir only where they would change the zoom.
  const ZoomSteps s = steps();
  if (QAction* in = action(MenuCommand::ZoomIn)) in->setEnabled(s.larger(zoom_) > zoom_);
  if (QAction* out = action(MenuCommand::ZoomOut)) out->setEnabled(s.smaller(zoom_) < zoom_);
}

void WindowChrome::toggleFullScreen() {
  if (!fullScreen_) {
    wasMaximized_ = window_->isMaximized();
    normalGeometry_ = window_->geometry();
    fullScreen_ = true;
    window_->showFullScreen();
  } else {
    fullScreen_ = false;
    if (wasMaximized_) {
      window_->showMaximized();
    } else {
      window_->showNormal();
      // Where it was: some window managers place a window that leaves full screen at the
      // screen's corner.
      const QRect back = normalGeometry_;
      window_->setGeometry(back);
      QTimer::singleShot(0, window_, [this, back] {
        if (!fullScreen_) window_->setGeometry(back);
      });
    }
  }
  relayout();
}

void WindowChrome::relayout() {
  if (layingOut_) return;
  layingOut_ = true;
  const int barHeight = bar_->sizeHint().height();
  if (fullScreen_) {
    const QSizeF client = laidOutSize(client_);
    const QSize room(window_->width(), window_->height() - barHeight);
    const ScreenPlacement p = fullScreenPlacement({client.width(), client.height()},
                                                  {double(room.width()), double(room.height())});
    applyZoom(client_, p.scale);
    client_->move(int(p.left), barHeight + int(p.top));
  } else {
    applyZoom(client_, zoom_);
    client_->move(0, barHeight);
    if (!window_->isMaximized() && !window_->isFullScreen()) {
      window_->resize(client_->width(), barHeight + client_->height());
      keepOnScreen();
    }
    // A maximized window's client area grows with it, as it did without a bar.
    client_->resize(std::max(client_->width(), window_->width()),
                    std::max(client_->height(), window_->height() - barHeight));
  }
  bar_->setGeometry(0, 0, window_->width(), barHeight);
  if (afterLayout) afterLayout();
  client_->update();
  layingOut_ = false;
}

void WindowChrome::keepOnScreen() {
  if (!window_->isVisible()) return;
  const QRect screen = window_->screen()->availableGeometry();
  const QRect frame = window_->frameGeometry();
  const QPoint back(
      std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width())),
      std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height())));
  if (back != frame.topLeft()) window_->move(back);
}

bool WindowChrome::projectorThemeOn() { return settings().value(kProjectorKey, false).toBool(); }

void WindowChrome::setProjectorTheme(bool on) {
  settings().setValue(kProjectorKey, on);
  // The chrome has no meta-object of its own, which findChild would need.
  for (QWidget* window : QApplication::topLevelWidgets())
    for (QObject* child : window->children())
      if (auto* chrome = dynamic_cast<WindowChrome*>(child)) chrome->showTheme(on);
}

void WindowChrome::showTheme(bool on) {
  if (QAction* theme = action(MenuCommand::HighContrast); theme && theme->isChecked() != on) {
    const QSignalBlocker quiet(theme);
    theme->setChecked(on);
  }
  if (window_->property(kProjectorTheme).toBool() == on) return;
  window_->setProperty(kProjectorTheme, on);
  QList<QWidget*> widgets = window_->findChildren<QWidget*>();
  widgets.prepend(window_);
  for (QWidget* w : widgets) {
    if (!w->property(kOwnPalette).isValid())
      w->setProperty(kOwnPalette, QVariant::fromValue(w->palette()));
    const QPalette own = w->property(kOwnPalette).value<QPalette>();
    w->setPalette(on ? projectorPalette(own) : own);
    w->update();
  }
}

void WindowChrome::showContextMenu(const QPoint& globalPosition) {
  QMenu menu(window_);
  // A popup takes no palette from its window: the theme's is given to it.
  if (window_->property(kProjectorTheme).toBool()) menu.setPalette(window_->palette());
  menu.addActions(QList<QAction*>(contextActions_.begin(), contextActions_.end()));
  if (lastLine_) {
    menu.addSeparator();
    QAction* line = menu.addAction(lastLine_());
    line->setEnabled(false);
  }
  menu.exec(globalPosition);
}

bool WindowChrome::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
      // Shown, the window has its real frame; moved, perhaps another screen.
      fitKeptZoom();
      break;
    case QEvent::Resize:
    case QEvent::WindowStateChange:
      // The window manager may leave full screen on its own (Esc in some, a second F11).
      if (fullScreen_ && event->type() == QEvent::WindowStateChange && !window_->isFullScreen())
        fullScreen_ = false;
      relayout();
      break;
    case QEvent::ContextMenu:
      if (!contextActions_.empty())
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    default: break;
  }
  return false;
}

}  // namespace varnesk::ui
