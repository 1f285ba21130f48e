#pragma once
// Number and width of the histogram classes, chosen from a fixed table by the range of the means.
#include <cstdint>

namespace varnesk {

// Which window's label step: the instant window counts it in tenths, the step-by-step window
// in hundredths.
enum class JanelaEscala { Instantanea, PassoAPasso };

struct Escala {
  std::int16_t NumeroClasses = 0;
  double AmplitudeClasse = 0.0;
  std::int16_t PassoRotulo = 0;
};

Escala EscolherEscala(double MenorMedia, double MaiorMedia, JanelaEscala janela);

}  // namespace varnesk
