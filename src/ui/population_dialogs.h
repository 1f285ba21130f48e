#pragma once
// The two questions of a population's choice, as the program asks them: what the commas of an
// ambiguous file are, and which of a file's columns holds the population.
#include <QDialog>
#include <QString>
#include <cstddef>
#include <optional>

#include "engine/population_preview.h"

class QTableWidget;

namespace varnesk::ui {

// Unknown when the teacher cancels.
CommaAnswer askCommasDialog(QWidget* owner, const QString& question);

// "Usar" / "Cancelar" over what a paste would become: true to use it.
bool usePastedDialog(QWidget* owner, const QString& question);

// The column's index from 0, or nothing when the teacher cancels.
std::optional<std::size_t> columnChooserDialog(QWidget* owner, const QString& prompt,
                                               const PopulationPreview& preview);

// The column chooser: the columns' names over the file's first rows; the teacher picks a column
// (a click on any of its cells or its name) and confirms.
class ColumnChooser : public QDialog {
  Q_OBJECT

 public:
  ColumnChooser(QWidget* owner, const QString& prompt, const PopulationPreview& preview);
  std::size_t column() const;
  QTableWidget* table() const { return table_; }

 private:
  QTableWidget* table_;
};

}  // namespace varnesk::ui
