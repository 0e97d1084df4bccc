// Text the user types on the plan pages, accents and symbols included, is
// shown the same after the window has been closed and opened again.
#include "support/PagesFixture.h"

namespace {

class TypedTextTest : public PagesTest {
 protected:
  // Closes the window, which saves, and opens it again on the saved file.
  void Reopen() {
    ASSERT_TRUE(CloseForm());
    Form.reset();
    Open();
  }
  // Types Text into Editor as a keyboard would, one character a key press;
  // the test library's key names cover ASCII only.
  void TypeAnyText(QWidget* Editor, const QString& Text) {
    ShowPageOf(Editor);
    Editor->setFocus();
    for (const QChar Character : Text) {
      QKeyEvent Press(QEvent::KeyPress, 0, Qt::NoModifier, QString(Character));
      QApplication::sendEvent(Editor, &Press);
      QKeyEvent Release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(Character));
      QApplication::sendEvent(Editor, &Release);
    }
  }
};

const QString Accented = QString::fromUtf8("Crème brûlée – ½ cup, 2 °C, Ærøskøbing ✓");

TEST_F(TypedTextTest, AccentedTextSurvivesSavingAndLoading) {
  OpenWithTrip([](TTravelerData&) {});
  Logistics().Edit7->setText(Accented);
  Logistics().Button11->click();
  TypeAnyText(Logistics().RichEdit1, Accented);

  Recipes().Edit12->setText(Accented);
  Recipes().Button20->click();
  Recipes().Edit13->setText(Accented);
  Recipes().Button26->click();

  Permits().Edit8->setText(Accented);
  Permits().Button37->click();
  Permits().ValueListEditor4->EnterValue(Permits().ValueListEditor4->RowOfKey("Notes"), Accented);

  Contacts().Edit14->setText("Zoë");
  Contacts().Button28->click();
  ClickEntry(Contacts().CheckListBox4, 0);
  Contacts().ValueListEditor3->EnterValue(Contacts().ValueListEditor3->RowOfKey("Hometown"), Accented);
  Reopen();

  ClickEntry(Logistics().CheckListBox1, 0);
  EXPECT_EQ(Logistics().Edit7->text(), Accented);
  EXPECT_EQ(Logistics().RichEdit1->PlainText(), Accented);
  ClickEntry(Recipes().CheckListBox3, 0);
  EXPECT_EQ(Recipes().Edit12->text(), Accented);
  EXPECT_EQ(Entries(Recipes().CheckListBox2), QStringList{Accented});
  ClickEntry(Permits().CheckListBox6, 0);
  EXPECT_EQ(Permits().ValueListEditor4->Value("Park Name"), Accented);
  EXPECT_EQ(Permits().ValueListEditor4->Value("Notes"), Accented);
  ClickEntry(Contacts().CheckListBox4, 0);
  EXPECT_EQ(Contacts().Edit14->text(), QString::fromUtf8("Zoë"));
  EXPECT_EQ(Contacts().ValueListEditor3->Value("Hometown"), Accented);
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
}

TEST_F(TypedTextTest, DetailsKeepTheirNoBreakSpaces) {
  // "5 km" and "8 h" with no-break spaces, from an imported plan.
  const std::string Details = "Pass 5\xC2\xA0km\r\nCamp after 8\xC2\xA0h";
  OpenWithTrip([&](TTravelerData& Data) { Data.AddPlan(0, "Day 2", Details); });
  ClickEntry(Logistics().CheckListBox1, 0);
  Type(Logistics().RichEdit1, "Cross the ");
  EXPECT_EQ(Store().GetPlan(0, 0).Details, "Cross the " + Details);
}

}  // namespace
