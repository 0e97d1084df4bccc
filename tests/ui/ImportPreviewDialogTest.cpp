// The import preview: it shows the summary and the first rows; OK accepts,
// Cancel (and closing) rejects.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "ui/ImportPreviewDialog.h"

namespace {

TImportPreview SamplePreview() {
  return {"Import Gear List: pack.csv",
          {"Columns: name \u2190 Item", "1 category, 1 item, total weight 1250 gr"},
          {"Category", "Name", "Weight", "Cost", "Other"},
          {{"Shelter", "Tent", "1250 gr", "300", ""}}};
}

TEST(ImportPreviewDialogTest, ShowsTheSummaryAndTheFirstRows) {
  TImportPreviewDialog Dialog(SamplePreview());
  EXPECT_EQ(Dialog.windowTitle(), "Import Gear List: pack.csv");
  EXPECT_EQ(Dialog.SummaryLabel->text(), "Columns: name \u2190 Item\n1 category, 1 item, total weight 1250 gr");
  ASSERT_EQ(Dialog.RowsTable->rowCount(), 1);
  ASSERT_EQ(Dialog.RowsTable->columnCount(), 5);
  EXPECT_EQ(Dialog.RowsTable->horizontalHeaderItem(2)->text(), "Weight");
  EXPECT_EQ(Dialog.RowsTable->item(0, 1)->text(), "Tent");
  EXPECT_EQ(Dialog.RowsTable->item(0, 2)->text(), "1250 gr");
}

TEST(ImportPreviewDialogTest, OkAcceptsAndCancelRejects) {
  for (const char* Button : {"OkButton", "CancelButton"}) {
    SCOPED_TRACE(Button);
    TImportPreviewDialog Dialog(SamplePreview());
    Dialog.show();
    auto* Pressed = Dialog.findChild<QPushButton*>(Button);
    ASSERT_NE(Pressed, nullptr);
    Pressed->click();
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_EQ(Dialog.result(), std::string(Button) == "OkButton" ? QDialog::Accepted : QDialog::Rejected);
  }
}

}  // namespace
