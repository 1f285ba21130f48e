#include "engine/population.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>

namespace varnesk {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A field as it may be quoted in a message: short, one line, printable.
std::string shownField(std::string_view field) {
  constexpr std::size_t kMax = 40;
  std::string out;
  for (std::size_t i = 0; i < field.size() && i < kMax; ++i) {
    const auto c = static_cast<unsigned char>(field[i]);
    out += (c < 0x20 || c >= 0x7F) ? '?' : static_cast<char>(c);
  }
  if (field.size() > kMax) out += "...";
  return out;
}

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

PopulationReading refused(std::string message) { return {false, 0.0, std::move(message)}; }

// Where the line that starts at pos ends: at LF, CR or the end of the text. Lines are a few
// bytes long: a plain scan beats a library search per line.
std::size_t lineEnd(std::string_view text, std::size_t pos) {
  while (pos < text.size() && text[pos] != '\n' && text[pos] != '\r') ++pos;
  return pos;
}

// A spreadsheet set to Portuguese writes one value per line with a decimal comma ("0,80"). Such
// a file has no period at all and exactly one comma on every line that holds a value; a file
// that mixes both keeps commas as separators.
bool decimalComma(std::string_view text) {
  if (text.find('.') != std::string_view::npos || text.find(',') == std::string_view::npos)
    return false;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t end = lineEnd(text, pos);
    const std::string_view line = text.substr(pos, end - pos);
    if (line.find_first_not_of(" \t") != std::string_view::npos &&
        std::count(line.begin(), line.end(), ',') != 1)
      return false;
    pos = end + 1;
  }
  return true;
}

// A value written the way loss rates are, [-]digits[.digits] with at most 15 digits (the mark
// a period, or a comma in a file of decimal commas), is read without from_chars: its digits are
// an integer m below 2^53 and 10^f is exact, so the one correctly rounded division m / 10^f is
// the double nearest the text, which is what from_chars returns. Anything else is left to
// from_chars.
bool plainDecimal(const char* first, const char* last, char mark, double& value) {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  constexpr std::ptrdiff_t kMaxDigits = 15;
  const bool negative = first != last && *first == '-';
  const char* p = first + negative;
  std::uint64_t digits = 0;
  const char* start = p;
  for (; p != last && *p >= '0' && *p <= '9'; ++p)
    digits = digits * 10 + static_cast<unsigned>(*p - '0');
  std::ptrdiff_t whole = p - start;
  std::ptrdiff_t fraction = 0;
  if (p != last && *p == mark) {
    const char* fractionStart = ++p;
    for (; p != last && *p >= '0' && *p <= '9'; ++p)
      digits = digits * 10 + static_cast<unsigned>(*p - '0');
    fraction = p - fractionStart;
    if (fraction == 0) return false;
  }
  if (p != last || whole == 0 || whole + fraction > kMaxDigits) return false;
  const double magnitude = static_cast<double>(digits) / kPowersOfTen[fraction];
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

PopulationReading readPopulationBytes(std::string_view text, const std::string& fileName,
                                      Population& store) {
  const std::string file = "O arquivo da população " + quoted(fileName);
  if (text.size() >= 2 &&
      ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF')))
    return refused(file + " está gravado em UTF-16. Salve-o como texto simples (UTF-8).");
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const bool decimal = decimalComma(text);

  HugePageVector<double> values;
  values.reserve(std::min<std::size_t>(text.size() / 2 + 1, kMaxPopulation));
  double sum = 0.0;
  long long line = 1;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    // One line: up to LF, CR or CRLF.
    const std::size_t end = lineEnd(text, pos);
    const std::string_view content = text.substr(pos, end - pos);
    if (content.find_first_not_of(" \t") != std::string_view::npos) {
      std::size_t fieldStart = 0;
      while (true) {
        std::size_t comma = decimal ? std::string_view::npos : content.find(',', fieldStart);
        if (comma == std::string_view::npos) comma = content.size();
        std::string_view field = content.substr(fieldStart, comma - fieldStart);
        while (!field.empty() && isBlank(field.front())) field.remove_prefix(1);
        while (!field.empty() && isBlank(field.back())) field.remove_suffix(1);
        const auto where = [line] { return " na linha " + std::to_string(line); };
        if (field.empty()) return refused(file + " tem um valor vazio" + where() + ".");
        double value = 0.0;
        const char* first = field.data();
        const char* last = first + field.size();
        if (*first == '+' && field.size() > 1 && field[1] != '-')
          ++first;  // from_chars takes no '+'
        if (!plainDecimal(first, last, decimal ? ',' : '.', value)) {
          std::string withPeriod(first, last);  // from_chars reads only a period as the mark
          if (decimal) std::replace(withPeriod.begin(), withPeriod.end(), ',', '.');
          const char* fim = withPeriod.data() + withPeriod.size();
          const auto [ptr, ec] = std::from_chars(withPeriod.data(), fim, value);
          // inf, nan and values beyond a double's range are no loss rates.
          if (ec != std::errc() || ptr != fim || !std::isfinite(value))
            return refused(file + " tem um valor inválido" + where() + ": \"" + shownField(field) +
                           "\". Cada valor deve ser um número com ponto decimal, como 2.35.");
        }
        if (std::fabs(value) > kMaxAbsoluteValue)
          return refused(file + " tem um valor fora do intervalo aceito" + where() + ": \"" +
                         shownField(field) + "\".");
        if (values.size() == kMaxPopulation)
          return refused(file + " tem mais de " + std::to_string(kMaxPopulation) +
                         " valores, o máximo que o programa aceita.");
        values.push_back(value);
        sum += value;
        if (comma == content.size()) break;
        fieldStart = comma + 1;
      }
    }
    if (end == text.size()) break;
    pos = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    ++line;
  }
  if (values.empty()) return refused(file + " não tem nenhum valor.");

  std::copy(values.begin(), values.end(), store.Populacao.begin() + 1);
  store.TamanhoPopulacao = static_cast<std::int32_t>(values.size());
  return {true, sum, {}};
}

PopulationReading LerPopulacao(const std::filesystem::path& file, Population& store) {
  const std::string name = file.string();
  std::error_code error;
  if (std::filesystem::is_directory(file, error))
    return refused("O arquivo da população " + quoted(name) + " é uma pasta, não um arquivo.");
  // A device or a pipe in place of the file would never end (/dev/zero) or never answer.
  if (std::filesystem::exists(file, error) && !std::filesystem::is_regular_file(file, error))
    return refused("O arquivo da população " + quoted(name) + " não é um arquivo comum.");
  std::ifstream in(file, std::ios::binary);
  if (!in)
    return refused("Não foi possível abrir o arquivo da população " + quoted(name) +
                   ". Verifique se ele existe e pode ser lido.");
  // One read of the whole file into a buffer of its size, where copying it through a string
  // stream went piece by piece; a file whose size the system does not know is read to its end.
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  HugePageVector<char> content(error ? 4096 : static_cast<std::size_t>(size) + 1);
  std::size_t length = 0;
  while (in) {
    if (length == content.size()) content.resize(2 * content.size());
    in.read(content.data() + length, static_cast<std::streamsize>(content.size() - length));
    length += static_cast<std::size_t>(in.gcount());
  }
  if (in.bad()) return refused("Não foi possível ler o arquivo da população " + quoted(name) + ".");
  return readPopulationBytes({content.data(), length}, name, store);
}

std::filesystem::path defaultPopulationPath() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  const auto folder = error ? std::filesystem::current_path(error) : self.parent_path();
  return folder / "populacao.txt";
}

}  // namespace varnesk
