#include "ui/population_dialogs.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/messages.h"
#include "engine/paste_question.h"
#include "engine/population_prompts.h"

namespace varnesk::ui {
namespace {
QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
}  // namespace

CommaAnswer askCommasDialog(QWidget* owner, const QString& question) {
  QMessageBox box(QMessageBox::Question, text(messages::kMessageBoxTitle), question,
                  QMessageBox::NoButton, owner);
  QPushButton* decimal = box.addButton(text(kCommaDecimal), QMessageBox::AcceptRole);
  QPushButton* separator = box.addButton(text(kCommaSeparator), QMessageBox::AcceptRole);
  box.addButton(text(kCancel), QMessageBox::RejectRole);
  box.setDefaultButton(decimal);
  box.exec();
  return box.clickedButton() == decimal     ? CommaAnswer::DecimalMark
         : box.clickedButton() == separator ? CommaAnswer::Separator
                                            : CommaAnswer::Unknown;
}

bool usePastedDialog(QWidget* owner, const QString& question) {
  QMessageBox box(QMessageBox::Question, text(messages::kMessageBoxTitle), question,
                  QMessageBox::NoButton, owner);
  QPushButton* use = box.addButton(text(kUsePasted), QMessageBox::AcceptRole);
  box.addButton(text(kCancel), QMessageBox::RejectRole);
  box.setDefaultButton(use);
  box.exec();
  return box.clickedButton() == use;
}

ColumnChooser::ColumnChooser(QWidget* owner, const QString& prompt,
                             const PopulationPreview& preview)
    : QDialog(owner), table_(new QTableWidget(this)) {
  setObjectName(QStringLiteral("ColumnChooser"));
  setWindowTitle(text(kColumnTitle));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(prompt, this);
  label->setWordWrap(true);
  layout->addWidget(label);

  table_->setColumnCount(int(preview.columns.size()));
  table_->setRowCount(int(preview.rows.size()));
  QStringList names;
  for (const std::string& name : preview.columns) names << QString::fromStdString(name);
  table_->setHorizontalHeaderLabels(names);
  for (std::size_t r = 0; r < preview.rows.size(); ++r)
    for (std::size_t c = 0; c < preview.rows[r].size(); ++c)
      table_->setItem(int(r), int(c),
                      new QTableWidgetItem(QString::fromStdString(preview.rows[r][c])));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setCurrentCell(0, int(preview.suggested));
  table_->selectColumn(int(preview.suggested));
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setMinimumSectionSize(80);
  layout->addWidget(table_);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(text(kUseColumn), QDialogButtonBox::AcceptRole);
  buttons->addButton(text(kCancel), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(460, 320);
}

std::size_t ColumnChooser::column() const {
  return static_cast<std::size_t>(std::max(0, table_->currentColumn()));
}

std::optional<std::size_t> columnChooserDialog(QWidget* owner, const QString& prompt,
                                               const PopulationPreview& preview) {
  ColumnChooser chooser(owner, prompt, preview);
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  return chooser.column();
}

}  // namespace varnesk::ui
