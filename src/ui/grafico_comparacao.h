#pragma once
// The comparison window's picture: one histogram of the means per sample size, stacked, on one
// fixed X axis with the population mean marked, so the narrowing is seen at a glance.
#include <QWidget>
#include <vector>

#include "chart/histogramas_comuns.h"
#include "engine/comparacao.h"

namespace varnesk::ui {

class GraficoComparacao : public QWidget {
 public:
  explicit GraficoComparacao(QWidget* pai);
  void mostrar(const std::vector<ComparisonRow>& linhas);

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  std::vector<std::int32_t> tamanhos_;
  SharedHistograms histogramas_;
  double mediaPopulacao_ = 0;
};

}  // namespace varnesk::ui
