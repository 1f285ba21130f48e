#pragma once
// The fields of one line of a spreadsheet's text file.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace varnesk {

// For telling which separator a file uses: a line split at every ';', ',' and tab that stands
// outside quotes, a quote opening a field after any of them.
inline constexpr char kAnySeparator = '\x01';

// Splits a line at a separator that stands outside quotes ('\0': the line is one field). Blanks
// around a field are no part of it (a tab is a blank unless it may be the separator); a quoted
// field loses its quotes and "" inside it is one quote, so a quoted "2,35" keeps its comma. A
// quote opens a field only at its start: in 5" tubo it is an inch.
class FieldSplitter {
 public:
  FieldSplitter(std::string_view line, char separator) : line_(line), separator_(separator) {}

  // The next field, valid until the following call; nothing after the last one.
  std::optional<std::string_view> next() {
    if (pos_ > line_.size()) return std::nullopt;
    std::size_t start = pos_;
    while (start < line_.size() && blank(line_[start])) ++start;
    if (start < line_.size() && line_[start] == '"') return quotedField(start + 1);
    const std::size_t end = separatorFrom(start);
    pos_ = end + 1;
    unclosed_ = false;
    return trimmed(line_.substr(start, end - start));
  }

  // Where the last field ended: the separator's place, or the line's length.
  std::size_t end() const { return pos_ - 1; }
  // The separator that ended the last field, '\0' at the end of the line.
  char endedBy() const { return end() < line_.size() ? line_[end()] : '\0'; }
  // The last field opened a quote that the line ends before closing, as a spreadsheet writes a
  // cell that holds a line break.
  bool unclosed() const { return unclosed_; }

 private:
  bool blank(char c) const {
    return c == ' ' || (c == '\t' && separator_ != '\t' && separator_ != kAnySeparator);
  }

  std::size_t separatorFrom(std::size_t from) const {
    if (separator_ == kAnySeparator)
      return std::min(line_.find_first_of(";,\t", from), line_.size());
    return separator_ == '\0' ? line_.size() : std::min(line_.find(separator_, from), line_.size());
  }

  std::string_view trimmed(std::string_view field) const {
    while (!field.empty() && blank(field.front())) field.remove_prefix(1);
    while (!field.empty() && blank(field.back())) field.remove_suffix(1);
    return field;
  }

  // Text after the closing quote stays in the field, so that the field is refused as written.
  std::string_view quotedField(std::size_t from) {
    unquoted_.clear();
    for (;;) {
      const std::size_t close = line_.find('"', from);
      unquoted_.append(line_.substr(from, close - from));
      unclosed_ = close == std::string_view::npos;
      from = unclosed_ ? line_.size() : close + 1;
      if (from >= line_.size() || line_[from] != '"') break;
      unquoted_ += '"';
      ++from;
    }
    const std::size_t end = separatorFrom(from);
    unquoted_.append(trimmed(line_.substr(from, end - from)));
    pos_ = end + 1;
    return unquoted_;
  }

  std::string_view line_;
  char separator_;
  std::size_t pos_ = 0;
  bool unclosed_ = false;
  std::string unquoted_;
};

}  // namespace varnesk
