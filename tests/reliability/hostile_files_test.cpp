// Population files as teachers bring them: cut short, from spreadsheets, from other systems,
// of another encoding, or not files at all. Each goes through the reader and through both
// simulation windows' Load, which must refuse it with the reader's message, naming the file
// and the line, and keep the population of the previous opening whole; or load all of it.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/population.h"
#include "engine/sampling_run.h"
#include "engine/simulation_window.h"
#include "support/recording_platform.h"
#include "temp_folder.h"

namespace varnesk {
namespace {

namespace fs = std::filesystem;
using testing::RecordingPlatform;
using testing::TempFolder;
using testing::writeBytes;

std::string repeated(std::string_view piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

using Maker = std::function<void(const fs::path&)>;

Maker bytes(std::string content) {
  return [content = std::move(content)](const fs::path& f) { writeBytes(f, content); };
}
// Large contents are made only by the test that writes them: every test process builds the
// whole table.
Maker made(std::function<std::string()> content) {
  return [content = std::move(content)](const fs::path& f) { writeBytes(f, content()); };
}

struct HostileFile {
  std::string name;
  Maker make;
  bool loads;
  std::int32_t values;        // when it loads
  std::string refusal;        // part of the message when it is refused
  int line;                   // the line the refusal names, 0 when none
  std::vector<double> first;  // the first values stored, when it loads
};

std::ostream& operator<<(std::ostream& out, const HostileFile& f) { return out << f.name; }

HostileFile loads(std::string name, Maker make, std::int32_t values, std::vector<double> first = {}) {
  return {std::move(name), std::move(make), true, values, "", 0, std::move(first)};
}
HostileFile refused(std::string name, Maker make, std::string refusal, int line = 0) {
  return {std::move(name), std::move(make), false, 0, std::move(refusal), line, {}};
}

constexpr std::size_t kTenMegabytes = 10u << 20;
const std::string kInvalid = "tem um valor inválido";
const std::string kNoValue = "não tem nenhum valor";

std::vector<HostileFile> hostileFiles() {
  const std::string utf16le("\xFF\xFE" "1\0.\0" "5\0\n\0" "2\0\n\0", 12);
  const std::string utf16be("\xFE\xFF" "\0" "1\0.\0" "5\0\n", 10);
  return {
      refused("missing", [](const fs::path&) {}, "Não foi possível abrir"),
      refused("folder_in_its_place", [](const fs::path& f) { fs::create_directory(f); }, "é uma pasta"),
      refused("unreadable",
              [](const fs::path& f) {
                writeBytes(f, "1.5\n2\n");
                fs::permissions(f, fs::perms::none);
              },
              "Não foi possível"),
      refused("empty", bytes(""), kNoValue),
      refused("only_blanks_and_line_breaks", bytes(" \n\t\r\n  \n\n\r"), kNoValue),
      refused("binary_image_header", bytes(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)), kInvalid, 1),
      refused("nul_bytes_on_a_line", bytes(std::string("2.35\n\0\0\0\n1.5\n", 13)), kInvalid, 2),
      refused("nul_inside_a_number", bytes(std::string("2.3\0" "5\n", 6)), kInvalid, 1),
      loads("exactly_578000_values", made([] { return repeated("2.5\n", 578000); }), 578000, {2.5, 2.5}),
      refused("578001_values", made([] { return repeated("2.5\n", 578001); }), "mais de 578000 valores"),
      refused("10_MB_line_of_values", made([] { return repeated("0.5,", kTenMegabytes / 4); }), "mais de 578000 valores"),
      refused("10_MB_number", made([] { return std::string(kTenMegabytes, '7'); }), kInvalid + " na linha 1: \"7777", 1),
      loads("10_MB_of_blanks_before_a_value", made([] { return std::string(kTenMegabytes, ' ') + "2.5"; }), 1, {2.5}),
      loads("long_number_in_range", bytes("1\n2.35" + std::string(5000, '0') + "\n"), 2, {1, 2.35}),
      loads("many_leading_zeros", bytes(std::string(1000, '0') + "2.5"), 1, {2.5}),
      refused("400_digit_integer", bytes("1\n2\n" + std::string(400, '9')), kInvalid, 3),
      refused("1e400", bytes("1.5\n1e400\n"), kInvalid + " na linha 2: \"1e400\"", 2),
      refused("beyond_the_accepted_range", bytes("1000000.01\n"), "fora do intervalo aceito", 1),
      refused("nan", bytes("nan\n"), kInvalid + " na linha 1: \"nan\"", 1),
      refused("NaN_after_values", bytes("1\n2\nNaN"), kInvalid, 3),
      refused("inf", bytes("inf"), kInvalid, 1),
      refused("minus_infinity", bytes("1\n-Infinity\n"), kInvalid, 2),
      refused("hexadecimal", bytes("0x1A\n"), kInvalid, 1),
      loads("minus_zero", bytes("-0\n"), 1, {-0.0}),
      loads("decimal_comma_splits_the_value", bytes("2,35\n"), 2, {2, 35}),
      refused("semicolon_export", bytes("1,5;2,3\n"), kInvalid + " na linha 1: \"5;2\"", 1),
      refused("quoted_export", bytes("\"1.5\"\n"), kInvalid, 1),
      refused("spreadsheet_header", bytes("taxa\n1.5\n2\n"), kInvalid + " na linha 1: \"taxa\"", 1),
      refused("tab_between_values", bytes("1.5\t2\n"), kInvalid, 1),
      refused("non_breaking_space", bytes("1\n\xC2\xA0" "2.5\n"), kInvalid + " na linha 2: \"??2.5\"", 2),
      loads("CRLF", bytes("2.35\r\n0.80\r\n1.97\r\n"), 3, {2.35, 0.80, 1.97}),
      refused("CRLF_export_with_a_word", bytes("1.5\r\n2\r\nx\r\n4\r\n"), kInvalid + " na linha 3: \"x\"", 3),
      refused("CR_only_with_a_word", bytes("1.5\r2\rx\r"), kInvalid + " na linha 3", 3),
      loads("CR_only", bytes("2.35\r0.80\r1.97"), 3, {2.35, 0.80, 1.97}),
      loads("byte_order_mark", bytes("\xEF\xBB\xBF" "2.35\n0.80\n"), 2, {2.35, 0.80}),
      refused("byte_order_mark_of_a_second_file", bytes("1.5\n\xEF\xBB\xBF" "2\n"), kInvalid, 2),
      refused("UTF-16_little_endian", bytes(utf16le), "UTF-16"),
      refused("UTF-16_big_endian", bytes(utf16be), "UTF-16"),
      refused("UTF-16_without_mark", bytes(std::string("1\0.\0" "5\0", 6)), kInvalid, 1),
      refused("DOS_end_of_file_mark", bytes("1.5\n2\n\x1A"), kInvalid + " na linha 3: \"?\"", 3),
      refused("cut_inside_an_exponent", bytes("1.5\n2e"), kInvalid + " na linha 2: \"2e\"", 2),
      loads("cut_after_a_value", bytes("1.5\n2.3"), 2, {1.5, 2.3}),
      refused("empty_field_in_an_export", bytes("1.5,\n2\n"), "valor vazio na linha 1", 1),
  };
}

class HostileFileTest : public ::testing::TestWithParam<HostileFile> {
 protected:
  void SetUp() override {
    file_ = folder_.path() / "populacao.txt";
    GetParam().make(file_);
    if (GetParam().name == "unreadable" && std::ifstream(file_).is_open())
      GTEST_SKIP() << "this user reads a file without read permission (root)";
  }

  // Puts a readable three-value file in place, for a first opening of a window.
  void restoreGoodFile() {
    std::error_code ignored;
    fs::permissions(file_, fs::perms::owner_all, ignored);
    fs::remove_all(file_);
    writeBytes(file_, "1.5\n2\n0.25\n");
  }

  TempFolder folder_;
  fs::path file_;
};

TEST_P(HostileFileTest, ReaderLoadsAllOrNothingAndNamesFileAndLine) {
  const HostileFile& f = GetParam();
  Population store;
  store.TamanhoPopulacao = 1;
  store.Populacao[1] = 42;
  const LeituraPopulacao r = LerPopulacao(file_, store);
  ASSERT_EQ(r.ok, f.loads) << r.mensagem;
  if (f.loads) {
    EXPECT_EQ(store.TamanhoPopulacao, f.values);
    for (std::size_t i = 0; i < f.first.size(); ++i) {
      EXPECT_EQ(store.Populacao[i + 1], f.first[i]) << "position " << i + 1;
      EXPECT_EQ(std::signbit(store.Populacao[i + 1]), std::signbit(f.first[i])) << "position " << i + 1;
    }
    return;
  }
  EXPECT_NE(r.mensagem.find("\"" + file_.string() + "\""), std::string::npos) << r.mensagem;
  EXPECT_NE(r.mensagem.find(f.refusal), std::string::npos) << r.mensagem;
  if (f.line > 0) {
    EXPECT_NE(r.mensagem.find("na linha " + std::to_string(f.line)), std::string::npos) << r.mensagem;
  }
  EXPECT_LT(r.mensagem.size(), 400u) << "a message box holds a sentence, not the file";
  for (char c : r.mensagem) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << r.mensagem;
  EXPECT_EQ(store.TamanhoPopulacao, 1);
  EXPECT_EQ(store.Populacao[1], 42);
}

// The file is good at the first opening of each window and hostile at the second.
TEST_P(HostileFileTest, SecondOpeningOfEachWindowSeesTheNewFile) {
  const HostileFile& f = GetParam();
  Population reference;
  const LeituraPopulacao expected = LerPopulacao(file_, reference);

  for (const TipoJanela tipo : {TipoJanela::Instantanea, TipoJanela::PassoAPasso}) {
    SCOPED_TRACE(tipo == TipoJanela::Instantanea ? "instant window" : "step-by-step window");
    RecordingPlatform platform;
    JanelaSimulacao janela(tipo, {platform, testing::fixedMeasure, '.', file_, [] { return 5u; }});
    restoreGoodFile();
    ASSERT_TRUE(janela.Load("1", "100"));
    fs::remove_all(file_);
    f.make(file_);
    platform.messages.clear();
    platform.events.clear();

    EXPECT_EQ(janela.Load("1", "100"), f.loads);
    const Population& shown = janela.populacao();
    if (f.loads) {
      EXPECT_TRUE(platform.messages.empty());
      ASSERT_EQ(shown.TamanhoPopulacao, reference.TamanhoPopulacao);
      EXPECT_TRUE(std::equal(shown.Populacao.begin(), shown.Populacao.begin() + shown.TamanhoPopulacao + 1,
                             reference.Populacao.begin()));
      continue;
    }
    EXPECT_EQ(platform.messages, std::vector<std::string>{expected.mensagem});
    // No run started: the pointer was never made busy.
    EXPECT_EQ(std::count(platform.events.begin(), platform.events.end(), "busy"), 0);
    // Nothing half-loaded: the population of the first opening is still whole.
    ASSERT_EQ(shown.TamanhoPopulacao, 3);
    EXPECT_EQ(shown.Populacao[1], 1.5);
    EXPECT_EQ(shown.Populacao[2], 2);
    EXPECT_EQ(shown.Populacao[3], 0.25);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFileTest, ::testing::ValuesIn(hostileFiles()),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

// Values the reader accepts, however odd for a loss rate, still give a step-by-step histogram
// with one dot per mean shown, every dot in its class above the frame, also after the refit of
// the 101st click.
TEST(AcceptedExtremes, StepByStepWindowDrawsEveryMeanInsideTheFrame) {
  const struct {
    const char* content;
    const char* n;
  } populations[] = {
      {"2.35\n0.80\n1.97\n", "2"},
      {"1e6\n1e6\n-1e6\n", "2"},
      {"4.9e-324\n-0\n0\n", "1"},
      {"-7.5\n-7.5\n", "1"},
      // The most negative values accepted: their single-precision means stay at or above
      // MenorMedia, the lowest class boundary, taken from the double-precision means.
      {"-999999.9\n", "1"},
      {"-1e6\n-999999.99\n-3\n", "2"},
  };
  for (const auto& p : populations) {
    SCOPED_TRACE(p.content);
    TempFolder folder;
    const fs::path file = folder.path() / "populacao.txt";
    writeBytes(file, p.content);
    RecordingPlatform platform;
    JanelaSimulacao janela(TipoJanela::PassoAPasso, {platform, testing::fixedMeasure, '.', file, [] { return 1u; }});
    ASSERT_TRUE(janela.Load(p.n, "1000"));
    while (janela.modelo().Command1.enabled) janela.Simular();
    EXPECT_EQ(platform.circles.size(), 1000u);
    const Rect& frame = janela.modelo().chart.Shape1;
    const auto outside = std::count_if(platform.circles.begin(), platform.circles.end(), [&](const auto& dot) {
      return dot.x < frame.left || dot.x > frame.left + frame.width;
    });
    EXPECT_EQ(outside, 0) << "dots drawn beside the chart frame";
  }
}

}  // namespace
}  // namespace varnesk
