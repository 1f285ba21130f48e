// The JSON the page parses: texts escaped so that any caption or message survives, numbers
// with 17 significant digits so that a double comes back exactly, members separated right at
// every depth.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "core_json.h"
#include "engine/window_registry.h"
#include "json_writer.h"

namespace {

using varnesk::JsonWriter;

TEST(JsonWriter, TextsAreEscapedAndUtf8PassesThrough) {
  const struct {
    std::string text, json;
  } cases[] = {
      {"", R"("")"},
      {"Média: 1,5", R"("Média: 1,5")"},
      {"a\"b\\c", R"("a\"b\\c")"},
      {"linha\r\nseguinte\tcoluna", R"("linha\r\nseguinte\tcoluna")"},
      {std::string("\x01\x1f\b\f", 4), R"("\u0001\u001f\b\f")"},
      {std::string("nul\0fim", 7), R"("nul\u0000fim")"},
      {"\xEF\xBB\xBFOrdem;Média", "\"\xEF\xBB\xBFOrdem;Média\""},
  };
  for (const auto& c : cases) EXPECT_EQ(varnesk::jsonString(c.text), c.json) << c.json;
}

TEST(JsonWriter, NumbersComeBackExactlyAndNonFiniteOnesAreNull) {
  const struct {
    double value;
    std::string json;
  } cases[] = {
      {0, "0"},
      {1440, "1440"},
      {-0.5, "-0.5"},
      {double{0.1f}, "0.10000000149011612"},
      {1.0 / 3, "0.33333333333333331"},
      {1e21, "1e+21"},
      {5e-324, "4.9406564584124654e-324"},
      {std::numeric_limits<double>::infinity(), "null"},
      {std::nan(""), "null"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JsonWriter().value(c.value).take(), c.json);
    if (std::isfinite(c.value)) {
      EXPECT_EQ(std::strtod(c.json.c_str(), nullptr), c.value) << c.json;
    }
  }
}

TEST(JsonWriter, MembersAndElementsAreSeparatedAtEveryDepth) {
  JsonWriter json;
  json.beginObject().key("a").beginArray().endArray().key("b").beginArray();
  json.value(1).beginObject().endObject().null().value(true).beginArray().value("x").endArray();
  json.endArray().key("c").beginObject().key("d").raw("[2]").endObject().endObject();
  EXPECT_EQ(json.take(), R"({"a":[],"b":[1,{},null,true,["x"]],"c":{"d":[2]}})");
}

// Every command of every window's menu has a name the page knows it by.
TEST(CoreJson, EveryMenuCommandIsNamed) {
  for (const varnesk::WindowEntry& window : varnesk::windowRegistry()) {
    JsonWriter json;
    varnesk::writeMenu(json, window.menu());
    EXPECT_EQ(json.take().find("\"command\":\"\""), std::string::npos) << window.name;
  }
}

}  // namespace
