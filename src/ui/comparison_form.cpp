#include "ui/comparison_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

#include "layout/window_layouts.h"
#include "ui/drawing_painter.h"
#include "ui/twips.h"

namespace varnesk::ui {

ComparisonForm::ComparisonForm(UiServices services, QWidget* owner)
    : QWidget(owner, frameFlags(comparisonLayout())),
      services_(std::move(services)),
      widgets_(this, comparisonLayout()),
      chrome_(new WindowChrome(this, widgets_.client(), comparisonMenu())),
      logic_(platform_, services_.population(), services_.seed, regionalDecimalSeparator()) {
  connect(widgets_.get<QPushButton>("CompareButton"), &QPushButton::clicked, this,
          &ComparisonForm::compare);
  connect(widgets_.get<QPushButton>("CloseButton"), &QPushButton::clicked, this, &QWidget::close);
  for (const char* box : {"SampleSizesTXT", "RepetitionsTXT"})
    connect(widgets_.get<QLineEdit>(box), &QLineEdit::returnPressed, this,
            &ComparisonForm::compare);
  widgets_.get<Canvas>("ComparisonChart")->setDrawing([this](double width, double height) {
    return logic_.chart(width, height);
  });
  showPopulationLine();
}

void ComparisonForm::showPopulationLine() {
  widgets_.get<QLabel>("PopulationLBL")->setText(QString::fromStdString(logic_.PopulationLBL.caption));
}

void ComparisonForm::compare() {
  logic_.SampleSizesTXT.text = widgets_.get<QLineEdit>("SampleSizesTXT")->text().toStdString();
  logic_.RepetitionsTXT.text = widgets_.get<QLineEdit>("RepetitionsTXT")->text().toStdString();
  logic_.compare();
  auto* table = widgets_.get<QTableWidget>("ResultsTable");
  table->setRowCount(static_cast<int>(logic_.results().size()));
  for (int row = 0; row < table->rowCount(); ++row) {
    const ComparisonCells& cells = logic_.results()[static_cast<std::size_t>(row)];
    for (int column = 0; column < static_cast<int>(cells.size()); ++column)
      table->setItem(
          row, column,
          new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(column)])));
  }
  showPopulationLine();
  widgets_["ComparisonChart"]->update();
}

}  // namespace varnesk::ui
