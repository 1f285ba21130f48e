#pragma once
// The browser edition's answers are JSON texts written here, in one way for the native program
// and the WebAssembly module alike: numbers through the core's toChars with 17 significant
// digits, so that both editions print the same bytes for the same double.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnesk {

class JsonWriter {
 public:
  JsonWriter& beginObject();
  JsonWriter& endObject();
  JsonWriter& beginArray();
  JsonWriter& endArray();
  // The name of the next member of the object being written.
  JsonWriter& key(std::string_view name);

  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }
  // A number that is not finite has no JSON form: it is written as null.
  JsonWriter& value(double number);
  JsonWriter& value(float number) { return value(static_cast<double>(number)); }
  JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
  JsonWriter& value(long long number);
  JsonWriter& value(bool flag);
  JsonWriter& null();
  // Text that is already JSON, as one value.
  JsonWriter& raw(std::string_view json);

  std::string take() { return std::move(out_); }

 private:
  void separate();
  // An object or an array begins or ends.
  JsonWriter& open(char bracket);
  JsonWriter& close(char bracket);

  std::string out_;
  // One entry per open object or array: whether a member has been written in it yet.
  std::vector<bool> started_;
  bool afterKey_ = false;
};

// A text as a JSON string literal, quotes included.
std::string jsonString(std::string_view text);

}  // namespace varnesk
