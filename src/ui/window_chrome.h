#pragma once
// What every window has around its laid-out client area: a menu bar built from the core's
// entries (the keys shown beside them, and answering without the menu), the right-click menu
// (also on Shift+F10 and the Menu key), the zoom in steps that fit the screen the window is on,
// kept between openings and starts, and full screen, the whole content scaled to fill it.
//
// The controls keep their places within the client area; the window grows by the bar's height
// above it.
#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/window_menu.h"
#include "layout/zoom_steps.h"

class QAction;
class QMenuBar;
class QWidget;

namespace varnesk::ui {

class WindowChrome : public QObject {
 public:
  // `client` is the window's client area (WindowWidgets::client()); `entries` its menu.
  WindowChrome(QWidget* window, QWidget* client, const std::vector<MenuEntry>& entries);

  // The action of a command of this window's menu; null when the window has none.
  QAction* action(MenuCommand command) const;

  double zoom() const { return zoom_; }
  // The teacher's zoom: on a step that fits the screen, and kept for the next opening of this
  // window. A window opens at the zoom kept for it, or at the largest step below it that fits
  // the screen it is on; it comes back to the kept zoom on a screen that holds it.
  void setZoom(double zoom);
  void toggleFullScreen();
  // The projector's theme on the window, its bar and its charts; kept for every window and the
  // next start, and set on every window open now.
  static void setProjectorTheme(bool on);
  static bool projectorThemeOn();

  // The right-click menu's last line, shown but not chosen (the seed of a run).
  void setLastLine(std::function<QString()> lastLine) { lastLine_ = std::move(lastLine); }

  // Called after the window's own layout moved or resized controls (the start screen's centred
  // panels).
  std::function<void()> afterLayout;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ZoomSteps steps() const;
  void fitKeptZoom();  // at the kept zoom, or below it as far as the screen needs
  void applyStep(double zoom);
  void relayout();
  void keepOnScreen();  // a window grown by the zoom moves back inside the screen
  void showContextMenu(const QPoint& globalPosition);
  void showTheme(bool on);  // this window's widgets and its tick

  QWidget* window_;
  QWidget* client_;
  QMenuBar* bar_;
  std::map<MenuCommand, QAction*> actions_;
  std::vector<QAction*> contextActions_;
  std::function<QString()> lastLine_;
  QString settingsKey_;
  double zoom_ = 1.0, kept_ = 1.0;
  bool fullScreen_ = false, wasMaximized_ = false, layingOut_ = false;
  QRect normalGeometry_;
};

}  // namespace varnesk::ui
