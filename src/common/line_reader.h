#pragma once
#include <optional>
#include <string_view>

namespace varnesk {

struct Line {
  std::string_view text;  // without its end
  long long number;       // from 1
};

// The lines of a text, each ended by LF, CRLF, CR or the end of the text: a text of k line ends
// has k + 1 lines, the last one empty when the text ends with a line end.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  std::optional<Line> next() {
    if (pos_ > text_.size()) return std::nullopt;
    // Lines are a few bytes long: a plain scan beats a library search per line.
    std::size_t end = pos_;
    while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r') ++end;
    const Line line{text_.substr(pos_, end - pos_), ++number_};
    const bool crlf = end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n';
    pos_ = end + (crlf ? 2 : 1);
    return line;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  long long number_ = 0;
};

}  // namespace varnesk
