#pragma once
// One description of a window: its caption, client area and every control with its design
// values. Both front ends build their widgets or page elements from it, and the window logic's
// control models start from it, so no position, caption or colour is written twice.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/color.h"
#include "common/font.h"

namespace varnesk {

enum class ControlKind {
  Label,
  TextBox,
  Button,
  CheckBox,
  Frame,        // a titled group box; an empty title leaves a plain border
  Line,         // drawn on the window: its box runs from (x1, y1) to (x2, y2)
  Rectangle,    // drawn on the window
  Table,        // rows of text cells; the caption lists the column headings, tab-separated
  Canvas,       // a drawing area that the window's logic fills with a drawing list
  SpinBox,      // a whole number from minimum to maximum, its caption the value it starts at
  ProgressBar,  // how far a long piece of work has come; its state's text, in percent
};

enum class Alignment { Left, Right, Center };

// Twips (1/1440 inch, 15 to a pixel at 96 dpi), relative to the control's container.
struct Box {
  float left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Box&) const = default;
};

struct ControlLayout {
  ControlLayout(std::string controlName, ControlKind controlKind, std::string in, std::string text,
                Box place)
      : name(std::move(controlName)),
        kind(controlKind),
        container(std::move(in)),
        caption(std::move(text)),
        box(place) {}

  std::string name;  // as the logic and the tests know it; array members as "RotuloY_3"
  ControlKind kind;
  std::string container;  // the frame that holds it, or "" for the window's client area
  std::string caption;    // caption of a label, button, check box or frame; text of a text box
  Box box;
  Font font = kDefaultFont;
  std::optional<Color> foreground;  // text or line colour; none: the window text colour
  std::optional<Color> background;  // none: the container's (a label) or the system's (others)
  Alignment alignment = Alignment::Left;
  int tabIndex = -1;  // position in the keyboard order; -1 for drawings
  bool enabled = true;
  bool visible = true;
  bool autoSize = false;     // a label that takes exactly the size of its caption
  bool transparent = false;  // a label that lets what lies beneath show around its letters
  bool border = false;       // a label with a single-line border (the statistics value boxes)
  bool middle = false;       // a label's text centred vertically in its box
  bool wordWrap = false;     // a label's text broken into lines at its box's width
  bool drawnByChart =
      false;            // an element of the chart, drawn with it rather than made as a control
  bool cancel = false;  // the button Escape presses, as the window's way out
  int lineWidth = 1;    // pixels, for lines and outlines
  std::string toolTip;
  int minimum = 0, maximum = 0;  // a spin box's range
};

// A control at its tab position; a label takes the size of its caption, as most labels do.
inline ControlLayout control(std::string name, ControlKind kind, std::string container,
                             std::string caption, Box box, int tabIndex) {
  ControlLayout c{std::move(name), kind, std::move(container), std::move(caption), box};
  c.tabIndex = tabIndex;
  c.autoSize = kind == ControlKind::Label;
  return c;
}

struct WindowLayout {
  WindowLayout(std::string windowName, std::string title, float width, float height,
               std::optional<Color> colour = std::nullopt)
      : name(std::move(windowName)),
        caption(std::move(title)),
        clientWidth(width),
        clientHeight(height),
        background(colour) {}

  std::string name;  // Form2, Form3, form1, Form4, ComparisonForm
  std::string caption;
  float clientWidth = 0, clientHeight = 0;  // twips
  std::optional<Color> background;          // none: the dialog colour
  std::optional<Color> fillColor;           // what fills the figures drawn on the window's surface
  bool maximized = false;                   // opens filling the screen
  bool minMaxButtons = false;               // can be minimized and maximized
  // In the order of the description: later controls of a container lie above earlier ones.
  std::vector<ControlLayout> controls;

  // The control of that name; the description always holds the names the logic asks for.
  const ControlLayout& control(std::string_view controlName) const;
  // The same, or nullptr when the window has no such control.
  const ControlLayout* find(std::string_view controlName) const;
};

}  // namespace varnesk
