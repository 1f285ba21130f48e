// The population reader takes files from anywhere. Whatever the bytes, it loads all of the
// values or none of them, never writes past its store, and its refusal can be shown in a
// message box: it names the file and an existing line.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "engine/population.h"

using namespace varnesk;

namespace {

constexpr double kEarlier = -7777.0;  // what an earlier reading left in the store
constexpr int kWatched = 8;

// One store per reading kind for the whole run: a fresh one zeroes 4.6 MB per input.
Population& store(int which) {
  static Population stores[2];
  return stores[which];
}

void fillWithEarlierReading(Population& p) {
  p.TamanhoPopulacao = kWatched;
  for (int i = 1; i <= kWatched; ++i) p.Populacao[static_cast<std::size_t>(i)] = kEarlier;
}

bool validUtf8WithoutControls(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x20 || c == 0x7F) return false;
    const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > s.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return false;
    i += length;
  }
  return true;
}

// Lines of the text as an editor counts them: LF, CRLF and a lone CR each end one.
long long lineCount(std::string_view text) {
  long long breaks = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++breaks;
  return breaks + 1;
}

struct Outcome {
  bool ok;
  std::string mensagem;
  std::int32_t size;
};

Outcome read(std::string_view text, int which) {
  Population& p = store(which);
  fillWithEarlierReading(p);
  const LeituraPopulacao r = LerPopulacaoTexto(text, "populacao.txt", p);
  return {r.ok, r.mensagem, r.ok ? p.TamanhoPopulacao : -1};
}

void checkLoaded(const LeituraPopulacao& r, const Population& p) {
  VARNESK_CHECK(p.TamanhoPopulacao >= 1 && p.TamanhoPopulacao <= kCapacidadePopulacao);
  VARNESK_CHECK(p.Populacao.size() == static_cast<std::size_t>(kCapacidadePopulacao) + 1);
  double sum = 0.0;
  for (std::int32_t i = 1; i <= p.TamanhoPopulacao; ++i) {
    const double v = p.Populacao[static_cast<std::size_t>(i)];
    VARNESK_CHECK(std::isfinite(v) && std::fabs(v) <= kMaiorValorAbsoluto);
    sum += v;
  }
  VARNESK_CHECK(sum == r.soma);

  // The values written back in their shortest form read as the same values.
  std::string written;
  char buffer[32];
  for (std::int32_t i = 1; i <= p.TamanhoPopulacao; ++i) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, p.Populacao[static_cast<std::size_t>(i)]);
    written.append(buffer, end.ptr);
    written += '\n';
  }
  Population& again = store(1);
  fillWithEarlierReading(again);
  const LeituraPopulacao back = LerPopulacaoTexto(written, "populacao.txt", again);
  VARNESK_CHECK(back.ok && again.TamanhoPopulacao == p.TamanhoPopulacao && back.soma == r.soma);
  for (std::int32_t i = 1; i <= p.TamanhoPopulacao; ++i) {
    const auto u = static_cast<std::size_t>(i);
    VARNESK_CHECK(std::signbit(again.Populacao[u]) == std::signbit(p.Populacao[u]));
    VARNESK_CHECK(again.Populacao[u] == p.Populacao[u]);
  }
}

void checkRefused(const LeituraPopulacao& r, const Population& p, std::string_view text) {
  VARNESK_CHECK(p.TamanhoPopulacao == kWatched);
  for (int i = 1; i <= kWatched; ++i) VARNESK_CHECK(p.Populacao[static_cast<std::size_t>(i)] == kEarlier);
  VARNESK_CHECK(r.mensagem.find("\"populacao.txt\"") != std::string::npos);
  VARNESK_CHECK(validUtf8WithoutControls(r.mensagem));
  const std::size_t at = r.mensagem.find("na linha ");
  if (at != std::string::npos) {
    long long line = 0;
    const char* first = r.mensagem.data() + at + 9;
    const auto parsed = std::from_chars(first, r.mensagem.data() + r.mensagem.size(), line);
    VARNESK_CHECK(parsed.ec == std::errc());
    VARNESK_CHECK(line >= 1 && line <= lineCount(text));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Population& p = store(0);
  fillWithEarlierReading(p);
  const LeituraPopulacao r = LerPopulacaoTexto(text, "populacao.txt", p);
  if (r.ok) checkLoaded(r, p);
  else checkRefused(r, p, text);
  const Outcome plain{r.ok, r.mensagem, r.ok ? p.TamanhoPopulacao : -1};

  // The same file saved on Windows (CRLF) or with a byte-order mark reads the same.
  if (text.find('\r') == std::string_view::npos) {
    std::string crlf;
    for (char c : text) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    const Outcome o = read(crlf, 1);
    VARNESK_CHECK(o.ok == plain.ok && o.size == plain.size && o.mensagem == plain.mensagem);
  }
  if (!text.starts_with("\xEF\xBB\xBF") && !text.starts_with("\xFF\xFE") && !text.starts_with("\xFE\xFF")) {
    const Outcome o = read("\xEF\xBB\xBF" + std::string(text), 1);
    VARNESK_CHECK(o.ok == plain.ok && o.size == plain.size && o.mensagem == plain.mensagem);
  }
  return 0;
}
