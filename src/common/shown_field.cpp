#include "common/shown_field.h"

namespace varnesk {
namespace {

// The length of the valid UTF-8 sequence at the start of `text`, or 0: no overlong forms, no
// surrogates, nothing above U+10FFFF.
std::size_t sequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((byte(i) & 0xC0) != 0x80) return 0;
  const unsigned char second = byte(1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
    return 0;
  return length;
}

bool control(std::string_view character) {
  const auto first = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return first < 0x20 || first == 0x7F;
  return first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;  // U+0080 to U+009F
}

}  // namespace

std::string shownField(std::string_view field) {
  constexpr int kMaxCharacters = 40;
  std::string out;
  int characters = 0;
  while (!field.empty() && characters < kMaxCharacters) {
    const std::size_t length = sequenceLength(field);
    const std::string_view character = field.substr(0, length ? length : 1);
    if (length == 0 || control(character))
      out += '?';
    else
      out += character;
    field.remove_prefix(character.size());
    ++characters;
  }
  if (!field.empty()) out += "...";
  return out;
}

}  // namespace varnesk
