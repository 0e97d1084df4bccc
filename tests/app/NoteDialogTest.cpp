// The note dialog: its result for Ok and for every other way of closing it.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/Unit2.h"

namespace {

class NoteDialogTest : public ::testing::Test {
 protected:
  // Runs the dialog on Lines; Action closes it once it is shown.
  QStringList Run(const QStringList& Lines, std::function<void()> Action) {
    QTimer::singleShot(0, &Dialog, [Action] { Action(); });
    return Dialog.EditNote(Lines);
  }
  TfrmInput Dialog;
};

TEST_F(NoteDialogTest, LooksAsDesigned) {
  EXPECT_EQ(Dialog.windowTitle(), "Add note");
  EXPECT_EQ(Dialog.size(), QSize(380, 109));
  EXPECT_EQ(Dialog.Button1->text(), "&Ok");
  EXPECT_EQ(Dialog.Button2->text(), "&Cancel");
  EXPECT_TRUE(Dialog.Button1->isDefault());
  EXPECT_EQ(Dialog.Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(NoteDialogTest, OkGivesTheLines) {
  const QStringList Result = Run({"Buy map", "Call ranger"}, [this] {
    EXPECT_EQ(Dialog.focusWidget(), Dialog.Memo1);
    Dialog.Button1->click();
  });
  EXPECT_EQ(Result, (QStringList{"Buy map", "Call ranger"}));
}

TEST_F(NoteDialogTest, FinalEmptyLineDoesNotCount) {
  const QStringList Result = Run({}, [this] {
    QTest::keyClicks(Dialog.Memo1, "Stove");
    QTest::keyClick(Dialog.Memo1, Qt::Key_Return);
    QTest::keyClick(Dialog.Memo1, Qt::Key_Return);
    QTest::keyClicks(Dialog.Memo1, "Fuel");
    QTest::keyClick(Dialog.Memo1, Qt::Key_Return);
    Dialog.Button1->click();
  });
  EXPECT_EQ(Result, (QStringList{"Stove", "", "Fuel"}));
}

TEST_F(NoteDialogTest, EmptyMemoGivesNoLines) {
  EXPECT_TRUE(Run({"Old"}, [this] {
                Dialog.Memo1->clear();
                Dialog.Button1->click();
              }).isEmpty());
}

// The note's lines are the typed lines, whatever the memo's width or font.
TEST_F(NoteDialogTest, ALongLineStaysOneLineAtAnyWidth) {
  const QString Long = "Day 1: Drive to Elkhart Park trailhead, start hiking by 9am";
  for (const int Width : {337, 120, 40}) {
    Dialog.Memo1->resize(Width, Dialog.Memo1->height());
    const QStringList Result = Run({Long, "Camp at Photographers Lake"}, [this] { Dialog.Button1->click(); });
    EXPECT_EQ(Result, (QStringList{Long, "Camp at Photographers Lake"})) << Width;
  }
}

TEST_F(NoteDialogTest, EveryOtherCloseGivesNothing) {
  struct TCase {
    const char* What;
    std::function<void(TfrmInput&)> Close;
  };
  const TCase Cases[] = {
      {"Cancel", [](TfrmInput& D) { D.Button2->click(); }},
      {"Esc", [](TfrmInput& D) { QTest::keyClick(D.Memo1, Qt::Key_Escape); }},
      {"close box", [](TfrmInput& D) { D.close(); }},
  };
  for (const TCase& Case : Cases) {
    // An earlier Ok result must not survive either.
    Run({"Kept"}, [this] { Dialog.Button1->click(); });
    const QStringList Result = Run({"Buy map"}, [this, &Case] {
      QTest::keyClicks(Dialog.Memo1, "typed");
      Case.Close(Dialog);
    });
    EXPECT_TRUE(Result.isEmpty()) << Case.What;
    EXPECT_TRUE(Dialog.NoteLines.isEmpty()) << Case.What;
    EXPECT_FALSE(Dialog.isVisible()) << Case.What;
  }
}

}  // namespace
