// A main window opened on trips written beforehand, with helpers to act on
// the Gear and Shopping List pages as a user does.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <array>
#include <functional>

#include "gear/GearPage.h"
#include "gear/ShoppingPage.h"
#include "gear/core/CategorizedList.h"
#include "support/MainFormFixture.h"
#include "widgets/CategoryTree.h"
#include "widgets/ValueListEditor.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& Text, std::ostream* Out) { *Out << '"' << Text.toStdString() << '"'; }
inline void PrintTo(const QStringList& Texts, std::ostream* Out) { *Out << Texts.join(" | ").toStdString(); }

// Categories with their items, as name and item texts.
using TCategoryTexts = std::vector<std::pair<std::string, std::vector<TItemTexts>>>;

class GearPageTest : public MainFormTest {
 protected:
  // Opens on what Build puts into qmp.dat, with no prompt recorded yet.
  void OpenWith(const std::function<void(TTravelerData&)>& Build) {
    MainFormTest::OpenWith(Build);
    Prompts.Clear();
  }
  // One trip "Trip" whose categories of List hold the given items, their
  // texts in the order of the item editor.
  template <class TList>
  void OpenWithList(const TCategoryTexts& Categories) {
    OpenWith([&](TTravelerData& Store) {
      Store.AppendTrip();
      Store.GetTrip(0).Name = "Trip";
      TList List(Store);
      for (const auto& [Name, Items] : Categories) {
        List.AddCategory(0, Name);
        for (const TItemTexts& Item : Items) List.AddItem(0, List.CategoryCount(0) - 1, Item);
      }
    });
  }
  void OpenWithGear(const TCategoryTexts& Categories) { OpenWithList<TGearList>(Categories); }
  void OpenWithShopping(const TCategoryTexts& Categories) { OpenWithList<TShoppingList>(Categories); }

  static constexpr int Grams = 0, Kilograms = 1, Pounds = 2, Ounces = 3;
  static constexpr int CubicCentimeters = 0, CubicMeters = 3, Cups = 5, Liters = 7;

  TGearPage& Gear() { return *Form->GearPage; }
  TShoppingPage& Shopping() { return *Form->ShoppingPage; }
  TGearCategory& GearItem(int Cat, int Item) { return Store().GetGearItem(0, Cat, Item); }
  TShopingItem& ShoppingItem(int Cat, int Item) { return Store().GetShopingItem(0, Cat, Item); }

  void ShowPage(int Page) {
    Form->SpeedButtons[static_cast<std::size_t>(Page)]->click();
    QApplication::processEvents();
  }
  // A click on a row, with Ctrl or Shift held as given.
  void Click(TCategoryTree* Tree, TTreeRow Row, Qt::KeyboardModifiers Keys = {}) {
    if (!Tree->isVisible()) ShowPage(Tree == Gear().ElTree1 ? TMainForm::GearPageIndex : TMainForm::ShoppingPageIndex);
    Tree->scrollToItem(Row.IsItem() ? Tree->topLevelItem(Row.Category)->child(Row.Item)
                                    : Tree->topLevelItem(Row.Category));
    QTest::mouseClick(Tree->viewport(), Qt::LeftButton, Keys, Tree->RowRect(Row).center());
  }
  // Picks a unit as the user does, through the selector's activation.
  void PickWeightUnit(int Unit) {
    Form->ComboBox2->setCurrentIndex(Unit);
    emit Form->ComboBox2->activated(Unit);
  }
  void PickVolumeUnit(int Unit) {
    Form->ComboBox3->setCurrentIndex(Unit);
    emit Form->ComboBox3->activated(Unit);
  }
  // Double-clicks the value cell of an editor row, as a user does.
  void DoubleClickCell(TValueListEditor* Editor, int Row) {
    const QPoint At = Editor->visualRect(Editor->model()->index(Row, 1)).center();
    QTest::mouseClick(Editor->viewport(), Qt::LeftButton, {}, At);
    QTest::mouseDClick(Editor->viewport(), Qt::LeftButton, {}, At);
    Editor->LeaveEditor();
  }
  QStringList TreeRows(TCategoryTree* Tree) {
    QStringList Rows;
    for (int c = 0; c < Tree->CategoryRowCount(); ++c) {
      Rows.append(Tree->RowText({c, -1}));
      for (int i = 0; i < Tree->ItemRowCount(c); ++i) Rows.append("  " + Tree->RowText({c, i}));
    }
    return Rows;
  }
  // The categories and items of trip 0 in the store, indented as TreeRows.
  QStringList StoredRows(TCategorizedList&& List) {
    QStringList Rows;
    for (int c = 0; c < List.CategoryCount(0); ++c) {
      Rows.append(QString::fromStdString(List.CategoryName(0, c)));
      for (int i = 0; i < List.ItemCount(0, c); ++i) Rows.append("  " + QString::fromStdString(List.ItemName(0, c, i)));
    }
    return Rows;
  }
  QStringList StoredGearRows() { return StoredRows(TGearList(Store())); }
  QStringList StoredShoppingRows() { return StoredRows(TShoppingList(Store())); }
};
