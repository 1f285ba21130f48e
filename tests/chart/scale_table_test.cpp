#include "chart/scale_table.h"

#include <gtest/gtest.h>

namespace varnesk {
namespace {

TEST(EscolherEscala, TableRowsByRange) {
  const struct {
    double menor, maior;
    int classes;
    double amplitude;
    int passoPassoAPasso;
  } cases[] = {
      {1.0, 1.5, 25, 0.02, 10}, {1.0, 2.0, 20, 0.05, 20}, {0.5, 2.0, 30, 0.05, 10},
      {1.0, 3.0, 20, 0.1, 50},  {0.0, 2.5, 25, 0.1, 50},  {0.5, 3.5, 30, 0.1, 50},
      {0.0, 3.5, 35, 0.1, 50},  {0.5, 4.5, 20, 0.2, 50},  {0.0, 4.5, 30, 0.15, 50},
      {0.5, 5.5, 25, 0.2, 50},  {0.0, 5.5, 25, 0.22, 50}, {0.0, 6.0, 30, 0.2, 50},
      {0.0, 7.0, 25, 0.28, 50},
      {0.5, 7.0, 20, 1.0, 50},  // 6.5 has no row
      {0.0, 7.5, 20, 1.0, 50},  {-3.0, 12.0, 20, 1.0, 50},
  };
  for (const auto& c : cases) {
    const Escala instant = EscolherEscala(c.menor, c.maior, TipoJanela::Instantanea);
    const Escala step = EscolherEscala(c.menor, c.maior, TipoJanela::PassoAPasso);
    const double range = c.maior - c.menor;
    EXPECT_EQ(instant.NumeroClasses, c.classes) << range;
    EXPECT_EQ(instant.AmplitudeClasse, c.amplitude) << range;
    EXPECT_EQ(instant.PassoRotulo, 5) << range;
    EXPECT_EQ(step.NumeroClasses, c.classes) << range;
    EXPECT_EQ(step.PassoRotulo, c.passoPassoAPasso) << range;
    if (c.amplitude != 1.0) {
      EXPECT_NEAR(c.classes * c.amplitude, range, 1e-12);
    }
  }
}

}  // namespace
}  // namespace varnesk
