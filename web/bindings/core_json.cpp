#include "core_json.h"

#include <array>
#include <string_view>
#include <type_traits>
#include <variant>

#include "common/font.h"

namespace varnesk {
namespace {

// The names the page knows each enumerator by, in the enumeration's order; "" for one the list
// has not caught up with, which the tests look for.
template <class Enum, std::size_t N>
std::string_view nameOf(Enum e, const std::array<std::string_view, N>& names) {
  const auto i = static_cast<std::size_t>(e);
  return i < N ? names[i] : std::string_view{};
}

constexpr std::array<std::string_view, 4> kFamilies{"MsSansSerif", "Verdana", "Arial", "Symbol"};
constexpr std::array<std::string_view, 11> kKinds{"Label",  "TextBox", "Button",     "CheckBox",
                                                  "Frame",  "Line",    "Rectangle",  "Table",
                                                  "Canvas", "SpinBox", "ProgressBar"};
constexpr std::array<std::string_view, 3> kAlignments{"Left", "Right", "Center"};
constexpr std::array<std::string_view, 2> kVertical{"Top", "Middle"};
// clang-format off
constexpr std::array<std::string_view, 31> kCommands{
    "SaveChart",          "SaveMeans",    "CopyStatistics", "NormalCurve",    "TenMoreMeans",
    "HundredMoreMeans",   "ZoomIn",       "ZoomOut",        "ActualSize",     "FullScreen",
    "CompareSampleSizes", "TeacherGuide", "About",          "OpenPopulation", "PastePopulation",
    "ProgramPopulation",  "PlayPause",    "SetSeed",        "SaveChartSvg",   "SaveComparison",
    "ShowPopulation",     "ShowSample",   "ShowIntervals",  "PlanSampleSize", "SaveIntervals",
    "Exit",               "Restart",      "PopulationMean", "UndoPopulation", "HighContrast",
    "PlayHistogram"};
// clang-format on

void writeOptionalColor(JsonWriter& json, std::string_view key, const std::optional<Color>& color) {
  if (!color) return;
  json.key(key);
  writeColor(json, *color);
}

// Only a line that is not solid says how it is drawn.
void writeStyle(JsonWriter& json, LineStyle style) {
  if (style != LineStyle::Solid)
    json.key("style").value(style == LineStyle::Dashed ? "Dashed" : "Dotted");
}

void writePoint(JsonWriter& json, const PointF& point) {
  json.beginObject().key("x").value(point.x).key("y").value(point.y).endObject();
}

void write(JsonWriter& json, const Fill& fill) {
  json.key("type").value("Fill").key("color");
  writeColor(json, fill.color);
}

void write(JsonWriter& json, const GridLine& line) {
  json.key("type").value("GridLine").key("x1").value(line.x1).key("y1").value(line.y1);
  json.key("x2").value(line.x2).key("y2").value(line.y2).key("color");
  writeColor(json, line.color);
  json.key("width").value(line.width);
}

void write(JsonWriter& json, const SnappedBox& box) {
  json.key("type").value("SnappedBox").key("box");
  writeBox(json, box.box);
  writeOptionalColor(json, "fill", box.fill);
  writeOptionalColor(json, "outline", box.outline);
  json.key("keepVisible").value(box.keepVisible);
}

void write(JsonWriter& json, const PlainLine& line) {
  json.key("type").value("PlainLine").key("from");
  writePoint(json, line.from);
  json.key("to");
  writePoint(json, line.to);
  json.key("color");
  writeColor(json, line.color);
  json.key("width").value(line.width);
  writeStyle(json, line.style);
}

void write(JsonWriter& json, const PlainBox& box) {
  json.key("type").value("PlainBox").key("left").value(box.left).key("top").value(box.top);
  json.key("width").value(box.width).key("height").value(box.height).key("fill");
  writeColor(json, box.fill);
  json.key("outline");
  writeColor(json, box.outline);
}

void write(JsonWriter& json, const Dot& dot) {
  json.key("type").value("Dot").key("x").value(dot.x).key("y").value(dot.y);
  json.key("radius").value(dot.radius).key("fill");
  writeColor(json, dot.fill);
  json.key("outline");
  writeColor(json, dot.outline);
}

void write(JsonWriter& json, const Curve& curve) {
  json.key("type").value("Curve").key("points").beginArray();
  for (const PointF& point : curve.points) writePoint(json, point);
  json.endArray().key("color");
  writeColor(json, curve.color);
  json.key("width").value(curve.width);
  writeStyle(json, curve.style);
}

void write(JsonWriter& json, const Text& text) {
  json.key("type").value("Text").key("text").value(text.text);
  json.key("left").value(text.left).key("top").value(text.top);
  json.key("width").value(text.width).key("height").value(text.height).key("font");
  writeFont(json, text.font);
  json.key("color");
  writeColor(json, text.color);
  writeOptionalColor(json, "background", text.background);
  json.key("alignment").value(nameOf(text.alignment, kAlignments));
  json.key("vertical").value(nameOf(text.vertical, kVertical));
}

}  // namespace

void writeColor(JsonWriter& json, const Color& color) {
  json.beginObject();
  switch (color.system) {
    case SystemColor::None:
      json.key("r").value(int{color.r}).key("g").value(int{color.g}).key("b").value(int{color.b});
      break;
    case SystemColor::ButtonFace: json.key("system").value("ButtonFace"); break;
    case SystemColor::WindowText: json.key("system").value("WindowText"); break;
  }
  json.endObject();
}

void writeFont(JsonWriter& json, const Font& font) {
  json.beginObject().key("family").value(nameOf(font.family, kFamilies));
  json.key("points").value(font.points).key("bold").value(font.bold).endObject();
}

void writeBox(JsonWriter& json, const Box& box) {
  json.beginObject().key("left").value(box.left).key("top").value(box.top);
  json.key("width").value(box.width).key("height").value(box.height).endObject();
}

void writeControl(JsonWriter& json, const ControlLayout& c) {
  json.beginObject().key("name").value(c.name).key("kind").value(nameOf(c.kind, kKinds));
  json.key("container").value(c.container).key("caption").value(c.caption);
  json.key("displayed").value(displayedText(c.caption, c.font.family)).key("box");
  writeBox(json, c.box);
  json.key("font");
  writeFont(json, c.font);
  writeOptionalColor(json, "foreground", c.foreground);
  writeOptionalColor(json, "background", c.background);
  json.key("alignment").value(nameOf(c.alignment, kAlignments)).key("tabIndex").value(c.tabIndex);
  json.key("enabled").value(c.enabled).key("visible").value(c.visible);
  json.key("autoSize").value(c.autoSize).key("transparent").value(c.transparent);
  json.key("border").value(c.border).key("middle").value(c.middle);
  json.key("wordWrap").value(c.wordWrap).key("drawnByChart").value(c.drawnByChart);
  json.key("lineWidth").value(c.lineWidth).key("toolTip").value(c.toolTip);
  json.key("cancel").value(c.cancel);
  if (c.kind == ControlKind::SpinBox)
    json.key("minimum").value(c.minimum).key("maximum").value(c.maximum);
  json.endObject();
}

void writeLayout(JsonWriter& json, const WindowLayout& layout) {
  json.beginObject().key("name").value(layout.name).key("caption").value(layout.caption);
  json.key("clientWidth").value(layout.clientWidth).key("clientHeight").value(layout.clientHeight);
  writeOptionalColor(json, "background", layout.background);
  writeOptionalColor(json, "fillColor", layout.fillColor);
  json.key("maximized").value(layout.maximized).key("minMaxButtons").value(layout.minMaxButtons);
  json.key("controls").beginArray();
  for (const ControlLayout& control : layout.controls) writeControl(json, control);
  json.endArray().endObject();
}

void writePrimitive(JsonWriter& json, const DrawingPrimitive& primitive) {
  json.beginObject();
  std::visit([&json](const auto& p) { write(json, p); }, primitive);
  json.endObject();
}

void writeDrawing(JsonWriter& json, const DrawingList& drawing) {
  json.beginArray();
  for (const DrawingPrimitive& primitive : drawing) writePrimitive(json, primitive);
  json.endArray();
}

void writeControls(JsonWriter& json, const ControlStates& controls) {
  json.beginArray();
  for (const ControlState& c : controls) {
    json.beginObject().key("name").value(c.name).key("text").value(c.text);
    json.key("enabled").value(c.enabled).key("visible").value(c.visible);
    json.key("checked").value(c.checked).endObject();
  }
  json.endArray();
}

void writeEvents(JsonWriter& json, const std::vector<FrontEndEvent>& events) {
  json.beginArray();
  for (const FrontEndEvent& e : events) {
    json.beginObject();
    switch (e.type) {
      case FrontEndEvent::Type::Message:
        json.key("type").value("message").key("text").value(e.text);
        break;
      case FrontEndEvent::Type::Focus:
        json.key("type").value("focus").key("control").value(e.text);
        break;
      case FrontEndEvent::Type::Busy: json.key("type").value("busy").key("on").value(e.on); break;
    }
    json.endObject();
  }
  json.endArray();
}

void writeMenu(JsonWriter& json, const std::vector<MenuEntry>& menu) {
  json.beginArray();
  for (const MenuEntry& entry : menu) {
    json.beginObject().key("command").value(nameOf(entry.command, kCommands));
    json.key("caption").value(entry.caption).key("keys").beginArray();
    for (const std::string& key : entry.keys) json.value(key);
    json.endArray().key("checkable").value(entry.checkable);
    json.key("group").value(groupCaption(entry.group));
    json.key("contextMenu").value(inContextMenu(entry));
    if (entry.save) {
      json.key("save").beginObject().key("title").value(entry.save->title);
      json.key("fileName").value(entry.save->fileName).key("filter").value(entry.save->filter);
      json.endObject();
    }
    if (entry.input) {
      json.key("input").beginObject().key("title").value(entry.input->title);
      json.key("prompt").value(entry.input->prompt).endObject();
    }
    json.endObject();
  }
  json.endArray();
}

}  // namespace varnesk
