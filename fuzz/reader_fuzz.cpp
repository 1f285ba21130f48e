// The population reader alone, as the teacher's spreadsheets reach it. Input: one byte for what
// the teacher chose (the column, the answer about commas), then the file's bytes. The reader
// loads all values or none, names the file and a line that exists when it refuses, reads the file
// the same saved with CRLF or CR line ends or with a byte-order mark, and reads it the same with
// every field quoted; the chooser asks about commas and columns exactly where the reader needs it.
#include <cmath>

#include "check.h"
#include "common/field_splitter.h"
#include "common/line_reader.h"
#include "engine/population.h"
#include "engine/population_preview.h"

using namespace varnesk;

namespace {

struct Read {
  PopulationReading r;
  std::vector<double> values;
};

Read read(std::string_view text, const ReadOptions& options) {
  static Population store;  // a fresh one zeroes 4.6 MB per reading
  std::fill_n(store.Populacao.begin() + 1, store.TamanhoPopulacao = 8, -7777.0);
  Read out{readPopulationBytes(text, "populacao.txt", store, options), {}};
  const PopulationReading& r = out.r;
  long long lines = 0, line = 1;
  for (LineReader all(text); all.next();) ++lines;
  // The line a refusal names comes before any text of the file the message quotes.
  for (const char* refusal : {" tem um valor vazio na linha ", " tem um valor inválido na linha ",
                              " tem um valor fora do intervalo aceito na linha ",
                              " tem uma quebra de linha dentro de um campo entre aspas na linha "})
    if (const std::string start = "O arquivo da população \"populacao.txt\"" + std::string(refusal);
        r.message.starts_with(start))
      line = std::atoll(r.message.c_str() + start.size());
  check(r.ok || (store.TamanhoPopulacao == 8 && store.Populacao[8] == -7777.0 && line >= 1 &&
                 line <= lines && r.message.find("\"populacao.txt\"") != std::string::npos));
  for (char c : r.message) check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
  check(!r.ok || (r.count >= 1 && r.count <= kMaxPopulation && r.count == store.TamanhoPopulacao));
  double sum = 0;
  for (std::int32_t i = 1; r.ok && i <= r.count; ++i) {
    check(std::isfinite(store.Populacao[i]) && std::fabs(store.Populacao[i]) <= kMaxAbsoluteValue);
    out.values.push_back(store.Populacao[i]);
    sum += store.Populacao[i];
  }
  check(sum == r.sum);
  return out;
}

bool same(const Read& a, const Read& b) {
  const PopulationFormat &f = a.r.format, &g = b.r.format;
  return a.r.ok == b.r.ok && a.r.message == b.r.message && a.values == b.values &&
         std::tie(f.separator, f.decimalMark, f.header, f.column, f.columnName) ==
             std::tie(g.separator, g.decimalMark, g.header, g.column, g.columnName);
}

// Every field of `text` as the reader split it, quoted, its quotes doubled.
std::string quotedFields(std::string_view text, char separator) {
  // A byte-order mark marks the file, not its first field.
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  std::string out(text.starts_with(kMark) ? kMark : "");
  text.remove_prefix(out.size());
  for (LineReader lines(text); const auto line = lines.next(); out += '\n') {
    if (line->text.find_first_not_of(" \t") == std::string_view::npos) continue;
    FieldSplitter fields(line->text, separator);
    for (bool first = true; const auto field = fields.next(); first = false) {
      if (!first) out += separator;
      out += '"';
      for (char c : *field) out += c == '"' ? "\"\"" : std::string(1, c);
      out += '"';
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char* const kColumns[] = {"", "1", "2", "3", "taxa"};
  const ReadOptions options{kColumns[data[0] % 5], static_cast<CommaAnswer>(data[0] / 5 % 3)};
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const Read plain = read(text, options);

  std::string crlf, cr;
  for (char c : text) {
    crlf += c == '\n' ? "\r\n" : std::string(1, c);
    cr += c == '\n' ? '\r' : c;
  }
  const bool utf16 = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
  if (text.find('\r') == std::string::npos)
    check(same(read(crlf, options), plain) && same(read(cr, options), plain));
  if (!utf16 && !text.starts_with("\xEF\xBB\xBF"))  // a second mark makes another file
    check(same(read("\xEF\xBB\xBF" + text, options), plain));
  if (plain.r.ok) check(same(read(quotedFields(text, plain.r.format.separator), options), plain));

  if (utf16) return 0;
  const PopulationPreview preview = previewPopulation(text, options.commas);
  // By how the reader's own messages start, not by words a quoted field may hold too.
  const std::string file = "O arquivo da população \"populacao.txt\"";
  const bool ambiguous = plain.r.message.starts_with(file + " é ambíguo:");
  check(ambiguous == (preview.ambiguousCommas && options.commas == CommaAnswer::Unknown));
  check(preview.suggested < preview.columns.size() && preview.rows.size() <= kPreviewRows);
  // Read without a column, a file of several is refused, and one of a single column is not
  // refused for want of one.
  const std::string_view message = plain.r.message, has = " tem ";
  std::size_t digits = file.size() + has.size();
  while (digits < message.size() && message[digits] >= '0' && message[digits] <= '9') ++digits;
  const bool wantsColumn = message.starts_with(file + std::string(has)) &&
                           digits > file.size() + has.size() &&
                           message.substr(digits).starts_with(" colunas (");
  if (options.column.empty() && !ambiguous) check(wantsColumn == preview.needsColumn());
  return 0;
}
