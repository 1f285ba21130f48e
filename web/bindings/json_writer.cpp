#include "json_writer.h"

#include <charconv>
#include <cmath>

#include "common/number_conversion.h"

namespace varnesk {

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!started_.empty()) {
    if (started_.back()) out_ += ',';
    started_.back() = true;
  }
}

JsonWriter& JsonWriter::open(char bracket) {
  separate();
  out_ += bracket;
  started_.push_back(false);
  return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
  out_ += bracket;
  started_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::beginObject() { return open('{'); }
JsonWriter& JsonWriter::endObject() { return close('}'); }
JsonWriter& JsonWriter::beginArray() { return open('['); }
JsonWriter& JsonWriter::endArray() { return close(']'); }

JsonWriter& JsonWriter::key(std::string_view name) {
  separate();
  out_ += jsonString(name);
  out_ += ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
  separate();
  out_ += jsonString(text);
  return *this;
}

JsonWriter& JsonWriter::value(double number) {
  if (!std::isfinite(number)) return null();
  separate();
  char buffer[32];
  const auto end =
      toChars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 17).ptr;
  out_.append(buffer, end);
  return *this;
}

JsonWriter& JsonWriter::value(long long number) {
  separate();
  char buffer[24];
  out_.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, number).ptr);
  return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
  separate();
  out_ += flag ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::null() {
  separate();
  out_ += "null";
  return *this;
}

JsonWriter& JsonWriter::raw(std::string_view json) {
  separate();
  out_ += json;
  return *this;
}

std::string jsonString(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          out += "\\u00";
          out += kHex[(c >> 4) & 0xf];
          out += kHex[c & 0xf];
        } else {
          out += c;  // UTF-8 passes through as it is
        }
    }
  }
  out += '"';
  return out;
}

}  // namespace varnesk
