// A main window opened on a trip written beforehand, with helpers to act on
// the Logistics, Recipes, Permits and Contacts pages as a user does.
#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "pages/CheckedListGroup.h"
#include "pages/ContactsPage.h"
#include "pages/LogisticsPage.h"
#include "pages/PermitsPage.h"
#include "pages/RecipesPage.h"
#include "support/MainFormFixture.h"
#include "widgets/CheckListBox.h"
#include "widgets/RichEdit.h"
#include "widgets/ValueListEditor.h"

class PagesTest : public MainFormTest {
 protected:
  // Opens on what Build puts into qmp.dat and makes the window the active
  // one, as on a desktop.
  void OpenWith(const std::function<void(TTravelerData&)>& Build) {
    MainFormTest::OpenWith(Build);
    QApplication::setActiveWindow(Form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    Prompts.Clear();
  }
  // One trip "Trip" holding what Fill adds to trip 0.
  void OpenWithTrip(const std::function<void(TTravelerData&)>& Fill) {
    OpenWith([&](TTravelerData& Data) {
      Data.AppendTrip();
      Data.GetTrip(0).Name = "Trip";
      Fill(Data);
    });
  }

  TLogisticsPage& Logistics() { return *Form->LogisticsPage; }
  TRecipesPage& Recipes() { return *Form->RecipesPage; }
  TPermitsPage& Permits() { return *Form->PermitsPage; }
  TContactsPage& Contacts() { return *Form->ContactsPage; }

  void ShowPage(int Page) {
    Form->SpeedButtons[static_cast<std::size_t>(Page)]->click();
    QApplication::processEvents();
  }
  // Shows the page that holds Widget.
  void ShowPageOf(QWidget* Widget) {
    for (int Page = 0; Page < Form->PageControl1->count(); ++Page)
      if (Form->PageControl1->widget(Page)->isAncestorOf(Widget)) ShowPage(Page);
  }
  // A click on entry Row, as the user makes it.
  void ClickEntry(TCheckListBox* List, int Row) {
    ShowPageOf(List);
    QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, List->visualItemRect(List->item(Row)).center());
  }
  void Check(TCheckListBox* List, std::initializer_list<int> Rows) {
    for (int Row : Rows) List->SetChecked(Row, true);
  }
  static QStringList Entries(const TCheckListBox* List) {
    QStringList Texts;
    for (int i = 0; i < List->Count(); ++i) Texts.append(List->EntryText(i));
    return Texts;
  }
  static QList<bool> CheckMarks(const TCheckListBox* List) {
    QList<bool> Marks;
    for (int i = 0; i < List->Count(); ++i) Marks.append(List->IsChecked(i));
    return Marks;
  }
  // Types Text into an editor, key by key.
  void Type(QWidget* Editor, const QString& Text) {
    ShowPageOf(Editor);
    Editor->setFocus();
    QTest::keyClicks(Editor, Text);
  }
  // Presses the Del key in a list that has the focus.
  void PressDelete(TCheckListBox* List) {
    ShowPageOf(List);
    List->setFocus();
    QTest::keyClick(List, Qt::Key_Delete);
  }
  void SwitchTrip(int Trip) {
    Form->ComboBox1->setCurrentIndex(Trip);
    Form->ComboBox1Change();
  }
};
