// The preview of an import: the summary lines and the first rows as they
// will be added, with OK (add them) and Cancel (add nothing).
#pragma once

#include <QDialog>

#include "ui/Prompts.h"

class QTableWidget;
class QLabel;

class TImportPreviewDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TImportPreviewDialog(const TImportPreview& Preview, QWidget* Parent = nullptr);

  QLabel* SummaryLabel;
  QTableWidget* RowsTable;
};
