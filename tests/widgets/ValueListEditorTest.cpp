// The key/value editor: fixed keys, values by key and row, validation only
// when a changed cell is left, cell selection and double-click notices.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "widgets/ValueListEditor.h"

namespace {

class ValueListEditorTest : public ::testing::Test {
 protected:
  ValueListEditorTest() {
    auto* Layout = new QVBoxLayout(&Window);
    Editor = new TValueListEditor({"Name", "Weight", "Own"}, "Property", "Value");
    Other = new QLineEdit;
    Layout->addWidget(Editor);
    Layout->addWidget(Other);
    Window.resize(300, 200);
  }

  // Shows the window and gives it the focus, for tests of real focus moves.
  void ShowActive() {
    Window.show();
    QApplication::setActiveWindow(&Window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
  }

  QWidget Window;
  TValueListEditor* Editor;
  QLineEdit* Other;
};

TEST_F(ValueListEditorTest, KeysTitlesAndValues) {
  EXPECT_EQ(Editor->RowCount(), 3);
  EXPECT_EQ(Editor->horizontalHeaderItem(0)->text(), "Property");
  EXPECT_EQ(Editor->horizontalHeaderItem(1)->text(), "Value");
  EXPECT_EQ(Editor->Key(1), "Weight");
  EXPECT_EQ(Editor->RowOfKey("Own"), 2);
  EXPECT_EQ(Editor->RowOfKey("Missing"), -1);

  Editor->SetValue("Weight", "1.5");
  Editor->SetValue(0, "Tent");
  EXPECT_EQ(Editor->Value(1), "1.5");
  EXPECT_EQ(Editor->Value("Name"), "Tent");
  Editor->SetValues({"A", "B"});
  EXPECT_EQ(Editor->Values(), (QStringList{"A", "B", ""}));

  EXPECT_THROW(Editor->Value(3), std::out_of_range);
  EXPECT_THROW(Editor->SetValue("Missing", "x"), std::out_of_range);
}

TEST_F(ValueListEditorTest, KeysCannotBeEdited) {
  EXPECT_FALSE(Editor->item(0, 0)->flags() & Qt::ItemIsEditable);
  EXPECT_TRUE(Editor->item(0, 1)->flags() & Qt::ItemIsEditable);
  // Picking a key makes its value cell current.
  Editor->setCurrentCell(2, 0);
  EXPECT_EQ(Editor->currentColumn(), 1);
  EXPECT_EQ(Editor->CurrentRow(), 2);
}

TEST_F(ValueListEditorTest, ValidationOnlyWhenAChangedCellIsLeft) {
  QSignalSpy Validated(Editor, &TValueListEditor::ValueValidate);
  Editor->SetValue(1, "2");  // from code: never validated
  Editor->TypeValue(1, "750");
  EXPECT_EQ(Editor->Value(1), "750");
  EXPECT_EQ(Validated.count(), 0) << "the cell is still current";

  Editor->setCurrentCell(2, 1);  // to another cell
  ASSERT_EQ(Validated.count(), 1);
  EXPECT_EQ(Validated.takeFirst().at(0).toInt(), 1);

  Editor->setCurrentCell(0, 1);  // leaving an unchanged cell
  EXPECT_EQ(Validated.count(), 0);

  Editor->TypeValue(0, "");  // the same text again is no change
  Editor->LeaveEditor();
  EXPECT_EQ(Validated.count(), 0);

  Editor->EnterValue(0, "Stove");
  ASSERT_EQ(Validated.count(), 1);
  EXPECT_EQ(Validated.takeFirst().at(0).toInt(), 0);
  Editor->LeaveEditor();  // validated once only
  EXPECT_EQ(Validated.count(), 0);
}

TEST_F(ValueListEditorTest, ValueSetFromCodeCancelsAPendingValidation) {
  QSignalSpy Validated(Editor, &TValueListEditor::ValueValidate);
  Editor->TypeValue(1, "3");
  Editor->SetValue(1, "0");
  Editor->LeaveEditor();
  EXPECT_EQ(Validated.count(), 0);
  EXPECT_EQ(Editor->Value(1), "0");
}

TEST_F(ValueListEditorTest, DisabledGridTakesNoTyping) {
  QSignalSpy Validated(Editor, &TValueListEditor::ValueValidate);
  Editor->setEnabled(false);
  Editor->EnterValue(0, "x");
  EXPECT_EQ(Editor->Value(0), "");
  EXPECT_EQ(Validated.count(), 0);
}

TEST_F(ValueListEditorTest, FocusMovingOutValidatesTheOpenEditor) {
  ShowActive();
  QSignalSpy Validated(Editor, &TValueListEditor::ValueValidate);
  Editor->setFocus();
  Editor->setCurrentCell(1, 1);
  Editor->editItem(Editor->item(1, 1));
  QLineEdit* Open = Editor->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(Open, nullptr);
  ASSERT_TRUE(Open->hasFocus());
  Open->selectAll();
  QTest::keyClicks(Open, "12");  // typed, not confirmed with Enter
  Other->setFocus();
  ASSERT_EQ(Validated.count(), 1);
  EXPECT_EQ(Validated.takeFirst().at(0).toInt(), 1);
  EXPECT_EQ(Editor->Value(1), "12");
}

TEST_F(ValueListEditorTest, DestroyedWhileEditingValidatesNothing) {
  ShowActive();
  int Validations = 0;
  QObject::connect(Editor, &TValueListEditor::ValueValidate, [&Validations] { ++Validations; });
  Editor->setFocus();
  Editor->setCurrentCell(0, 1);
  Editor->editItem(Editor->item(0, 1));
  QLineEdit* Open = Editor->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(Open, nullptr);
  QTest::keyClicks(Open, "x");
  delete Editor;
  EXPECT_EQ(Validations, 0);
}

TEST_F(ValueListEditorTest, SelectionAndDoubleClickNotices) {
  ShowActive();
  QSignalSpy Selected(Editor, &TValueListEditor::CellSelected);
  QSignalSpy DoubleClicked(Editor, &TValueListEditor::DoubleClicked);
  const QRect Own = Editor->visualRect(Editor->model()->index(2, 1));
  QTest::mouseClick(Editor->viewport(), Qt::LeftButton, {}, Own.center());
  ASSERT_GE(Selected.count(), 1);
  EXPECT_EQ(Selected.last().at(0).toInt(), 2);
  QTest::mouseDClick(Editor->viewport(), Qt::LeftButton, {}, Own.center());
  ASSERT_EQ(DoubleClicked.count(), 1);
  EXPECT_EQ(DoubleClicked.takeFirst().at(0).toInt(), 2);
}

}  // namespace
