#pragma once
#include <string>
#include <string_view>

namespace varnesk {

// A field of a file as a message may quote it: at most 40 characters, then "..."; valid UTF-8
// kept as written, so "não" reads as the teacher typed it; a control character or a byte that
// is no part of valid UTF-8 shown as '?', so the message stays one printable line.
std::string shownField(std::string_view field);

}  // namespace varnesk
