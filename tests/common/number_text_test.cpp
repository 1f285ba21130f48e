#include "support.h"

namespace {

constexpr double kInf = HUGE_VAL;

TEST(NumberText, LeadingNumberOfATextBox) {
  for (const auto& [text, expected] : std::vector<std::pair<std::string, double>>{
           {"  7.5", 7.5}, {"12abc", 12}, {"1,5", 1}, {"", 0}, {"abc", 0}, {"\t 4", 4}, {"-5", -5}, {"+3", 3}, {"-.5", -0.5}, {"1E3x", 1000}, {"1e+", 1}, {"2.5e-1", 0.25}, {".", 0}, {"e5", 0}, {"1e309", kInf}, {"-1e309", -kInf}, {"1e-400", 0}, {std::string(999, '9'), kInf}})
    EXPECT_EQ(parseLeadingNumber(text), expected) << text;
}

TEST(NumberText, PatternsRoundHalvesAwayOnFifteenDigits) {
  for (const auto& [value, decimals, separator, expected] : std::vector<std::tuple<double, int, char, std::string>>{
           {12.3456, 3, ',', "12,346"}, {3, 3, '.', "3.000"}, {2.0625, 3, '.', "2.063"}, {-2.0625, 3, '.', "-2.063"}, {-0.0001, 3, '.', "0.000"}, {99.9999, 3, '.', "100.000"}, {0.15, 1, '.', "0.2"}, {1.0005, 3, '.', "1.001"}, {0.04, 1, ',', "0,0"}, {1e20, 1, '.', "100000000000000000000.0"}, {NAN, 3, '.', "-"}})
    EXPECT_EQ(formatFixed(value, decimals, separator), expected) << value;
  EXPECT_EQ(formatGeneral(0.1 + 0.2, '.') + formatGeneral(7.5, ',') + formatGeneral(6.0 * 3, '.'), "0.37,518");
}

TEST(NumberText, SinglesAsTheShortestTextThatReadsBack) {
  for (const auto& [value, expected] : std::vector<std::pair<float, std::string>>{
           {1.815f, "1,815"}, {0.1f, "0,1"}, {2.5f, "2,5"}, {1.00000012f, "1,0000001"}, {0.0f, "0"}, {-3.25f, "-3,25"}, {16777216.0f, "16777216"}})
    EXPECT_EQ(formatShortest(value, ','), expected) << value;
  // Whatever the single, its text reads back as that single.
  std::mt19937 bits(5);
  for (int i = 0; i < 20000; ++i) {
    const float value = varnesk::bitCast<float>(static_cast<std::uint32_t>(bits() & 0x7F7FFFFF));
    const std::string text = formatShortest(value, '.');
    EXPECT_EQ(static_cast<float>(std::strtod(text.c_str(), nullptr)), value) << text;
  }
}

}  // namespace
