#include "common/number_text.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace varnesk {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ParseLeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
  const struct {
    std::string text;
    double expected;
  } cases[] = {
      {"  7.5", 7.5},   {"12abc", 12},    {"1,5", 1},        {"", 0},         {"abc", 0},
      {"1000", 1000},   {"\t 4", 4},      {"-5", -5},        {"+3", 3},       {".5", 0.5},
      {"-.5", -0.5},    {"0.5", 0.5},     {"1e3", 1000},     {"1E3x", 1000},  {"1e", 1},
      {"1e+", 1},       {"2.5e-1", 0.25}, {".", 0},          {"-", 0},        {"e5", 0},
      {"99999999999999999999", 1e20},     {"1e309", kInf},   {"-1e309", -kInf},
      {"1e-400", 0},    {std::string(1000, '9'), kInf},      {"0." + std::string(400, '0') + "1", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(parseLeadingNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(999.5), 1000);
  EXPECT_EQ(roundHalfEven(1000.5), 1000);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(2.4999), 2);
}

TEST(FormatFixed, PatternsWithTheRegionalSeparator) {
  const struct {
    double value;
    int decimals;
    char separator;
    const char* expected;
  } cases[] = {
      {0.0004, 3, '.', "0.000"},
      {12.3456, 3, '.', "12.346"},
      {12.3456, 3, ',', "12,346"},
      {3, 3, '.', "3.000"},
      {1.5811388300841898, 3, '.', "1.581"},
      {2.0625, 3, '.', "2.063"},     // an exact half goes away from zero
      {-2.0625, 3, '.', "-2.063"},
      {-0.0001, 3, '.', "0.000"},    // never "-0.000"
      {0.9996, 3, '.', "1.000"},     // carry into the integer digit
      {99.9999, 3, '.', "100.000"},
      {1.0 + 23 * 0.02, 1, '.', "1.5"},
      {1.0 + 22 * 0.02, 1, '.', "1.4"},
      {0.5 + 7 * 0.05, 1, '.', "0.9"},  // 0.8499999999999999778 is the boundary 0.85
      {1.25, 1, ',', "1,3"},
      {0.04, 1, '.', "0.0"},
      {1e20, 1, '.', "100000000000000000000.0"},
      {std::nan(""), 3, '.', "-"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatFixed(c.value, c.decimals, c.separator), c.expected) << c.value;
}

TEST(FormatGeneral, AsManyDigitsAsTheValueNeeds) {
  EXPECT_EQ(formatGeneral(0, '.'), "0");
  EXPECT_EQ(formatGeneral(2.5, '.'), "2.5");
  EXPECT_EQ(formatGeneral(7.5, ','), "7,5");
  EXPECT_EQ(formatGeneral(15, ','), "15");
  EXPECT_EQ(formatGeneral(6.0 * 3, '.'), "18");
  EXPECT_EQ(formatGeneral(0.1 + 0.2, '.'), "0.3");
}

}  // namespace
}  // namespace varnesk
