// The file dialogs' filters: the program's "caption|pattern" lists in Qt's
// form, and the extension a chosen file type gives a name typed without one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include "support/TempDir.h"
#include "ui/QtPrompts.h"

namespace {

TEST(QtPromptsTest, FiltersAndTheExtensionOfAChosenFileType) {
  EXPECT_EQ(QtPrompts::QtFilter("Word RTF File (*.rtf)|*.rtf|PDF File (*.pdf)|*.pdf|Any File (*.*)|*.*"),
            "Word RTF File (*.rtf);;PDF File (*.pdf);;Any File (*.*)");
  const std::pair<const char*, const char*> Cases[] = {
      {"PDF File (*.pdf)", "pdf"}, {"CSV File (*.csv)", "csv"}, {"Any File (*.*)", ""},
      {"Text File (*.txt *.text)", ""}, {"Nothing", ""}};
  for (const auto& [Entry, Suffix] : Cases) EXPECT_EQ(QtPrompts::FilterSuffix(Entry), Suffix) << Entry;
}

// After a refused name, the save dialog opens where the user was, with the
// name they typed.
TEST(QtPromptsTest, SaveDialogOpensOnTheFileGiven) {
  TTempDir Folder;
  const QString Typed = QString::fromStdString(Folder.File("my trip.txt"));
  QString Directory, Name;
  QTimer::singleShot(0, [&] {
    for (QWidget* Window : QApplication::topLevelWidgets())
      if (auto* Dialog = qobject_cast<QFileDialog*>(Window); Dialog && Dialog->isVisible()) {
        Directory = Dialog->directory().absolutePath();
        if (auto* NameBox = Dialog->findChild<QLineEdit*>("fileNameEdit")) Name = NameBox->text();
        Dialog->reject();
      }
  });
  QtPrompts Prompts;
  EXPECT_TRUE(Prompts.SaveFileName("Export Trip", "Text File (*.txt)|*.txt", "txt", Typed).isEmpty());
  EXPECT_EQ(Directory, QString::fromStdString(Folder.Path.string()));
  EXPECT_EQ(Name, "my trip.txt");
}

}  // namespace
