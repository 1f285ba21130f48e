#pragma once
// The widgets of one window, made from its description in the core: every control is named
// after it (Qt's objectName), placed in its container at its box in twips, sized as laid out
// (or to its caption, when the label sizes itself), with its font, colours and tab position.
// The chart's elements are not widgets: the window paints them from its drawing list.
#include <QString>
#include <QWidget>
#include <Qt>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "chart/drawing_list.h"
#include "common/controls.h"
#include "layout/window_layout.h"

class QFontMetricsF;

namespace varnesk::ui {

// The window's property that says the projector's theme is on: its drawing areas paint their
// drawings in the theme's colours.
inline constexpr const char* kProjectorTheme = "varnesk_projector";

// A drawing area that paints the drawing list its window's logic makes for the area's size in
// layout twips, at the window's zoom.
class Canvas : public QWidget {
 public:
  using QWidget::QWidget;
  using Drawing = std::function<DrawingList(double widthTwips, double heightTwips)>;
  void setDrawing(Drawing drawing);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Drawing drawing_;
};

class WindowWidgets {
 public:
  // Fills `window` (made with frameFlags(layout)) with its client area and the controls of
  // `layout` in it, sets its caption and colours, the tab order and the opening focus. The
  // client area is a widget of its own, so that a menu bar can sit above it: the controls keep
  // their places within it.
  WindowWidgets(QWidget* window, const WindowLayout& layout);

  // Where the controls are; the window paints its own drawing here.
  Canvas* client() const { return client_; }
  // Where the window's logic draws: its drawing area, or its whole client area when the chart's
  // elements are laid out on it; null for a window that draws nothing. Its accessible
  // description is the chart's sentence, then its table of classes.
  Canvas* chartArea() const { return chartArea_; }

  // The states a window's logic gives, on the controls of the same names; then the window and
  // its drawing areas are painted again. A new sentence of the chart is announced once.
  void apply(const ControlStates& states) const;

  QWidget* operator[](std::string_view name) const;
  template <class T>
  T* get(std::string_view name) const {
    return static_cast<T*>((*this)[name]);
  }

 private:
  QWidget* make(QWidget* window, const ControlLayout& control);
  void nameControls();
  void describeChart(const QString* sentence, const QString* table) const;
  std::map<std::string, QWidget*, std::less<>> widgets_;
  const WindowLayout* layout_;  // the descriptions live as long as the program
  Canvas* client_ = nullptr;
  Canvas* chartArea_ = nullptr;
  mutable QString chartSentence_, chartTable_;
};

// The window's frame: only windows that can be minimized and maximized show those buttons.
Qt::WindowFlags frameFlags(const WindowLayout& layout);

// A caption too wide for its button breaks at blanks into lines, as buttons do.
QString wrapCaption(const QString& caption, const QFontMetricsF& metrics, double width);

// Opens the window over the one that asked for it, centred on it; only the new window takes
// input until it closes, and closing it destroys it. The caller does not wait: nothing of the
// opener's handler runs after the window is open, so the program behaves as if it waited.
void openModal(QWidget* window, QWidget* owner);

}  // namespace varnesk::ui
