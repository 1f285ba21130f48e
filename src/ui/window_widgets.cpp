#include "ui/window_widgets.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart/projector_theme.h"
#include "layout/spoken_caption.h"
#include "ui/drawing_painter.h"
#include "ui/qt_colors.h"
#include "ui/qt_fonts.h"
#include "ui/twips.h"
#include "ui/zoom.h"

namespace varnesk::ui {

namespace {

// A button's caption before it was broken into lines.
constexpr const char* kCaption = "varnesk_caption";
// A value box's caption, which its accessible name reads before its value ("Mínimo 1,865").
constexpr const char* kSpokenCaption = "varnesk_spoken_caption";
// How many sentences of the chart have been announced.
constexpr const char* kSentencesTold = "varnesk_sentences_told";

// Enter presses the focused button, as Space does; a button that lacks the focus takes no Enter,
// since none of these windows has a default button.
class EnterPresses : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    static_cast<QPushButton*>(object)->click();
    return true;
  }
};

void place(QWidget* control, const Box& b) {
  control->setGeometry(snappedBox(b.left, b.top, b.width, b.height));
  rememberBox(control, b.left, b.top, b.width, b.height);
}

void paintBackground(QWidget* control, const QColor& color) {
  QPalette palette = control->palette();
  palette.setColor(QPalette::Window, color);
  control->setPalette(palette);
  control->setAutoFillBackground(true);
}

Qt::Alignment qtAlignment(const ControlLayout& c) {
  const Qt::Alignment vertical = c.middle ? Qt::AlignVCenter : Qt::AlignTop;
  switch (c.alignment) {
    case Alignment::Right: return Qt::AlignRight | vertical;
    case Alignment::Center: return Qt::AlignHCenter | vertical;
    case Alignment::Left: break;
  }
  return Qt::AlignLeft | vertical;
}

QLabel* makeLabel(QWidget* parent, const ControlLayout& c) {
  auto* label = new QLabel(QString::fromStdString(displayedText(c.caption, c.font.family)), parent);
  const QFont font = qtFont(c.font);
  label->setFont(font);
  label->setAlignment(qtAlignment(c));
  label->setWordWrap(c.wordWrap);
  label->setToolTip(QString::fromStdString(c.toolTip));
  if (c.border) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setIndent(1);
  }
  if (c.background) {
    paintBackground(label, qtColor(*c.background, label->palette()));
  } else {
    label->setAutoFillBackground(!c.transparent);
  }
  if (c.foreground) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, qtColor(*c.foreground, palette));
    label->setPalette(palette);
  }
  Box box = c.box;
  if (c.autoSize) {  // whole pixels that hold the whole caption
    const SizeF size = measureText(font, label->text());
    box.width = static_cast<float>(std::ceil(size.width / kTwipsPerPixel) * kTwipsPerPixel);
    box.height = static_cast<float>(std::ceil(size.height / kTwipsPerPixel) * kTwipsPerPixel);
  }
  place(label, box);
  return label;
}

// A caption too wide for the button breaks into lines, at the button's own width and font.
void setButtonCaption(QPushButton* button, const QString& caption) {
  const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                     button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
  button->setText(
      wrapCaption(caption, QFontMetricsF(button->font()), button->width() - 2 * margin));
  button->setProperty(kCaption, caption);
}

QPushButton* makeButton(QWidget* parent, const ControlLayout& c) {
  auto* button = new QPushButton(parent);
  button->setFont(qtFont(c.font));
  button->setAutoDefault(false);  // the look of a plain button, without a default frame
  button->installEventFilter(new EnterPresses(button));
  place(button, c.box);
  setButtonCaption(button, QString::fromStdString(c.caption));
  if (c.cancel) {  // Escape anywhere in the window, as a click (none while it is disabled)
    auto* escape = new QAction(button);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    parent->window()->addAction(escape);
    QObject::connect(escape, &QAction::triggered, button, &QPushButton::click);
  }
  return button;
}

QWidget* makeOther(QWidget* parent, const ControlLayout& c) {
  const QString caption = QString::fromStdString(c.caption);
  QWidget* w = nullptr;
  switch (c.kind) {
    case ControlKind::TextBox: {
      // A disabled box keeps its value in dark text: the style's light grey on grey is lost on a
      // projector. The box itself still looks disabled.
      w = new QLineEdit(caption, parent);
      QPalette palette = w->palette();
      palette.setColor(QPalette::Disabled, QPalette::Text,
                       palette.color(QPalette::Active, QPalette::Text));
      w->setPalette(palette);
      break;
    }
    case ControlKind::CheckBox: w = new QCheckBox(caption, parent); break;
    case ControlKind::Frame: {
      w = new QGroupBox(caption, parent);
      if (c.background) paintBackground(w, qtColor(*c.background, w->palette()));
      break;
    }
    case ControlKind::Table: {
      auto* table = new QTableWidget(0, static_cast<int>(caption.count('\t')) + 1, parent);
      table->setHorizontalHeaderLabels(caption.split('\t'));
      // The headings in the table's own font, set on them as on a label, so that the zoom scales
      // them with the labels: left to inherit it, they came out at the application's size on a
      // screen scaled by 2.
      table->horizontalHeader()->setFont(qtFont(c.font));
      table->verticalHeader()->hide();
      table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
      table->setEditTriggers(QAbstractItemView::NoEditTriggers);
      w = table;
      break;
    }
    case ControlKind::Canvas: w = new Canvas(parent); break;
    case ControlKind::SpinBox: {
      auto* spin = new QSpinBox(parent);
      spin->setRange(c.minimum, c.maximum);
      spin->setValue(caption.toInt());
      spin->setAlignment(qtAlignment(c));
      spin->setToolTip(QString::fromStdString(c.toolTip));
      w = spin;
      break;
    }
    case ControlKind::ProgressBar: {
      auto* bar = new QProgressBar(parent);
      bar->setValue(0);
      w = bar;
      break;
    }
    default: w = new QWidget(parent); break;
  }
  place(w, c.box);
  return w;
}

// The keyboard tab order from the layout's tab positions (labels and frames take no focus), and
// the opening focus on the first control that can take it.
void setTabOrder(std::vector<std::pair<int, QWidget*>> controls) {
  std::stable_sort(controls.begin(), controls.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < controls.size(); ++i)
    QWidget::setTabOrder(controls[i - 1].second, controls[i].second);
  for (const auto& [tab, control] : controls) {
    if (control->isEnabled() && control->isVisibleTo(control->window()) &&
        (control->focusPolicy() & Qt::TabFocus)) {
      control->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

// A table's rows from its state's text: one a line, cells separated by tabs.
void showRows(QTableWidget* table, const ControlLayout& c, const QString& text) {
  const Qt::Alignment alignment = c.alignment == Alignment::Right
                                      ? Qt::AlignRight | Qt::AlignVCenter
                                      : Qt::AlignLeft | Qt::AlignVCenter;
  QStringList rows = text.split(QLatin1Char('\n'));
  if (!rows.isEmpty() && rows.back().isEmpty()) rows.pop_back();
  table->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < table->rowCount(); ++row) {
    const QStringList cells = rows[row].split(QLatin1Char('\t'));
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setTextAlignment(alignment);
      table->setItem(row, column, item);
    }
  }
}

bool takesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::Button ||
         kind == ControlKind::CheckBox || kind == ControlKind::Table ||
         kind == ControlKind::SpinBox;
}

}  // namespace

WindowWidgets::WindowWidgets(QWidget* window, const WindowLayout& layout)
    : layout_(&layout), client_(new Canvas(window)) {
  window->setObjectName(QString::fromStdString(layout.name));
  window->setWindowTitle(QString::fromStdString(layout.caption));
  client_->setObjectName(QStringLiteral("client"));
  client_->setFont(qtFont(kDefaultFont));
  if (layout.background) {
    paintBackground(window, qtColor(*layout.background, window->palette()));
    paintBackground(client_, qtColor(*layout.background, window->palette()));
  }
  window->resize(toWholePixels(layout.clientWidth), toWholePixels(layout.clientHeight));
  place(client_, {0, 0, layout.clientWidth, layout.clientHeight});
  std::vector<std::pair<int, QWidget*>> tabs;
  for (const ControlLayout& c : layout.controls) {
    if (c.drawnByChart) continue;
    QWidget* w = make(window, c);
    if (takesFocus(c.kind) && c.tabIndex >= 0) tabs.emplace_back(c.tabIndex, w);
  }
  // Labels are drawn on their container's own surface, beneath every control that is a window of
  // its own (text boxes, buttons, check boxes, frames), whatever the order they were made in.
  for (QWidget* control : client_->findChildren<QWidget*>())
    if (qobject_cast<QLabel*>(control) == nullptr) control->raise();
  setTabOrder(std::move(tabs));
  for (const ControlLayout& c : layout.controls)
    if (!chartArea_ && c.kind == ControlKind::Canvas) chartArea_ = get<Canvas>(c.name);
  if (!chartArea_ && std::any_of(layout.controls.begin(), layout.controls.end(),
                                 [](const ControlLayout& c) { return c.drawnByChart; }))
    chartArea_ = client_;
  nameControls();
}

// Every control a screen reader stops at is called by the caption beside it.
void WindowWidgets::nameControls() {
  for (const ControlLayout& c : layout_->controls) {
    QWidget* w = needsSpokenCaption(c) ? (*this)[c.name] : nullptr;
    if (!w) continue;
    const QString caption = QString::fromStdString(spokenCaption(*layout_, c));
    if (c.kind == ControlKind::Label) {
      w->setProperty(kSpokenCaption, caption);
      w->setAccessibleName(caption + QLatin1Char(' ') + static_cast<QLabel*>(w)->text());
    } else {
      w->setAccessibleName(caption);
    }
  }
  if (chartArea_ && chartArea_->accessibleName().isEmpty())
    chartArea_->setAccessibleName(QString::fromUtf8(
        kChartSpokenName.data(), static_cast<qsizetype>(kChartSpokenName.size())));
}

// The chart's sentence and its table of classes, as its description; a new sentence is told to
// the screen reader once, whatever else the logic says again.
void WindowWidgets::describeChart(const QString* sentence, const QString* table) const {
  if (!chartArea_) return;
  const bool told = sentence && *sentence != chartSentence_;
  if (sentence) chartSentence_ = *sentence;
  if (table) chartTable_ = *table;
  QString description = chartSentence_;
  if (!chartTable_.isEmpty())
    description += (description.isEmpty() ? QString() : QStringLiteral("\n")) + chartTable_;
  chartArea_->setAccessibleDescription(description);
  if (told) {
    QAccessibleEvent event(chartArea_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    // Qt drops the event where no screen reader listens: the count tells the window tests.
    chartArea_->setProperty(kSentencesTold, chartArea_->property(kSentencesTold).toInt() + 1);
  }
}

QWidget* WindowWidgets::make(QWidget* window, const ControlLayout& c) {
  QWidget* parent = c.container.empty() ? client_ : (*this)[c.container];
  (void)window;
  QWidget* w = c.kind == ControlKind::Label    ? makeLabel(parent, c)
               : c.kind == ControlKind::Button ? makeButton(parent, c)
                                               : makeOther(parent, c);
  w->setObjectName(QString::fromStdString(c.name));
  if (!c.enabled) w->setEnabled(false);
  if (!c.visible) w->setVisible(false);
  widgets_.emplace(c.name, w);
  return w;
}

void Canvas::setDrawing(Drawing drawing) {
  drawing_ = std::move(drawing);
  update();
}

void Canvas::paintEvent(QPaintEvent*) {
  if (!drawing_) return;
  QPainter painter(this);
  const double scale = zoomOf(this);
  DrawingList drawing =
      drawing_(width() / scale * kTwipsPerPixel, height() / scale * kTwipsPerPixel);
  if (window()->property(kProjectorTheme).toBool()) drawing = inProjectorColors(std::move(drawing));
  paintDrawing(painter, drawing, palette(), rect(), scale);
}

void WindowWidgets::apply(const ControlStates& states) const {
  for (const ControlState& state : states) {
    QWidget* w = (*this)[state.name];
    const QString text = QString::fromStdString(state.text);
    if (!w) {
      // The chart's sentence, or a control the chart draws: its text is the drawing's table.
      if (state.name == kChartDescription)
        describeChart(&text, nullptr);
      else if (const ControlLayout* c = layout_->find(state.name); c && c->drawnByChart)
        describeChart(nullptr, &text);
      continue;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      if (edit->text() != text) edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
      label->setText(text);
      if (const QVariant caption = label->property(kSpokenCaption); caption.isValid())
        label->setAccessibleName(caption.toString() + QLatin1Char(' ') + text);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      if (button->property(kCaption).toString() != text) setButtonCaption(button, text);
    } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
      showRows(table, *layout_->find(state.name), text);
    } else if (auto* bar = qobject_cast<QProgressBar*>(w)) {
      bar->setRange(0, 100);
      bar->setValue(text.toInt());
    }
    if (auto* box = qobject_cast<QAbstractButton*>(w); box && box->isCheckable())
      box->setChecked(state.checked);
    // Disabled with the focus, a control would hand it to the next one, which one more key
    // would press (Simular's Space closing a finished chart): the window keeps it instead.
    if (!state.enabled && w->hasFocus()) client_->window()->setFocus(Qt::OtherFocusReason);
    w->setEnabled(state.enabled);
    if (w->isHidden() == state.visible) w->setVisible(state.visible);
  }
  client_->update();
  for (Canvas* canvas : client_->findChildren<Canvas*>()) canvas->update();
}

QWidget* WindowWidgets::operator[](std::string_view name) const {
  const auto found = widgets_.find(name);
  return found == widgets_.end() ? nullptr : found->second;
}

Qt::WindowFlags frameFlags(const WindowLayout& layout) {
  if (layout.minMaxButtons) return Qt::Window;
  return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
         Qt::WindowCloseButtonHint;
}

QString wrapCaption(const QString& caption, const QFontMetricsF& metrics, double width) {
  QStringList lines;
  QString rest = caption;
  while (metrics.horizontalAdvance(rest) > width) {
    // The last blank that leaves a line that fits; a blank that opens the caption is kept.
    qsizetype cut = rest.size() - 1;
    while (cut > 0 &&
           (rest.at(cut) != QLatin1Char(' ') || metrics.horizontalAdvance(rest.left(cut)) > width))
      --cut;
    if (cut <= 0) break;  // one word wider than the button: it is cut, not broken
    lines << rest.left(cut);
    rest = rest.mid(cut + 1);
  }
  lines << rest;
  return lines.join(QLatin1Char('\n'));
}

void openModal(QWidget* window, QWidget* owner) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowModality(Qt::ApplicationModal);
  // The new window's frame is not known before it is shown; the opener's tells how much the
  // window manager adds around a client area.
  const QRect ownerFrame = owner->frameGeometry();
  const QSize decoration = ownerFrame.size() - owner->geometry().size();
  const QSize outside = window->size() + decoration;
  window->move(ownerFrame.center() - QPoint(outside.width() / 2, outside.height() / 2));
  window->show();
}

}  // namespace varnesk::ui
