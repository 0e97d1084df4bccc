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
#include "support/MainFormFixture.h"
#include "widgets/CategoryTree.h"
#include "widgets/ValueListEditor.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& Text, std::ostream* Out) { *Out << '"' << Text.toStdString() << '"'; }
inline void PrintTo(const QStringList& Texts, std::ostream* Out) { *Out << Texts.join(" | ").toStdString(); }

struct TGearItemTexts {
  std::string Name, Weight, Cost, Own, Necessity, Volume, Other;
};

class GearPageTest : public MainFormTest {
 protected:
  // Writes qmp.dat with what Build puts into a fresh store, then opens.
  void OpenWith(const std::function<void(TTravelerData&)>& Build) {
    {
      TTravelerData Store;
      Build(Store);
      Store.SaveToFile();
    }
    Open();
    Prompts.Clear();
  }
  // One trip "Trip" whose gear categories hold the given items.
  void OpenWithGear(const std::vector<std::pair<std::string, std::vector<TGearItemTexts>>>& Categories) {
    OpenWith([&](TTravelerData& Store) {
      Store.AppendTrip();
      Store.GetTrip(0).Name = "Trip";
      for (const auto& [Name, Items] : Categories) {
        Store.AddGearCategory(0, Name);
        const int Cat = Store.GearCategoryCount(0) - 1;
        for (const auto& I : Items)
          Store.AddGearItem(0, Cat, I.Name, I.Weight, I.Cost, I.Own, I.Necessity, I.Volume, I.Other);
      }
    });
  }
  // One trip "Trip" whose shopping categories hold items {Name, Price, Store, Weight, Other}.
  void OpenWithShopping(
      const std::vector<std::pair<std::string, std::vector<std::array<std::string, 5>>>>& Categories) {
    OpenWith([&](TTravelerData& Store) {
      Store.AppendTrip();
      Store.GetTrip(0).Name = "Trip";
      for (const auto& [Name, Items] : Categories) {
        Store.AddShopingCategory(0, Name);
        const int Cat = Store.ShopingCategoryCount(0) - 1;
        for (const auto& I : Items) Store.AddShopingItem(0, Cat, I[0], I[1], I[2], I[3], I[4]);
      }
    });
  }

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
  QStringList StoredShoppingRows() {
    QStringList Rows;
    for (int c = 0; c < Store().ShopingCategoryCount(0); ++c) {
      Rows.append(QString::fromStdString(Store().GetShopingCategory(0, c).Name));
      for (int i = 0; i < Store().ShopingItemCount(0, c); ++i)
        Rows.append("  " + QString::fromStdString(ShoppingItem(c, i).Name));
    }
    return Rows;
  }
  QStringList StoredGearRows() {
    QStringList Rows;
    for (int c = 0; c < Store().GearCategoryCount(0); ++c) {
      Rows.append(QString::fromStdString(Store().GetGearCategory(0, c).Name));
      for (int i = 0; i < Store().GearItemCount(0, c); ++i)
        Rows.append("  " + QString::fromStdString(GearItem(c, i).Name));
    }
    return Rows;
  }
};
