// The Gear page: categories, items in the key/value editor, Delete Selected
// and the statistics, in every unit.
#include "GearFixture.h"
#include "gear/core/FigureText.h"
#include "gear/core/NumberText.h"
#include "gear/core/Units.h"

namespace {

const TItemTexts Tent{"Tent", "2", "150", "No", "8", "0.004", "green"};

std::string Text(long double Value) { return NumberToText(Value); }

// ---- Categories and new items ----

TEST_F(GearPageTest, AddCategoryKeepsBlanksAndRefusesBlankNames) {
  OpenWithGear({});
  struct {
    QString Typed;
    bool Added;
  } Cases[] = {{" Food ", true}, {"   ", false}, {QString("\t") + QChar(1) + " ", false}, {"", false}, {"Food", true}};
  int Expected = 0;
  for (const auto& Case : Cases) {
    Gear().Edit3->setText(Case.Typed);
    Gear().Button7->click();
    if (Case.Added) {
      ++Expected;
      EXPECT_EQ(Store().GetGearCategory(0, Expected - 1).Name, Case.Typed.toStdString());
      EXPECT_EQ(Gear().ElTree1->RowText({Expected - 1, -1}), Case.Typed);
      EXPECT_EQ(Gear().CurrentGearCategory(), Expected - 1);
    }
    EXPECT_EQ(Store().GearCategoryCount(0), Expected) << Case.Typed.toStdString();
    EXPECT_EQ(Gear().Edit3->text(), Case.Typed);  // the box keeps its text
  }
  EXPECT_FALSE(Gear().Button8->isEnabled());
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(GearPageTest, NewItemsAreAddedToTheCurrentCategory) {
  OpenWithGear({{"Shelter", {}}, {"Kitchen", {}}});
  EXPECT_FALSE(Gear().Button8->isEnabled());
  EXPECT_EQ(Gear().CurrentGearCategory(), 1);  // the last category after a fill
  Click(Gear().ElTree1, {0, -1});
  ASSERT_TRUE(Gear().Button8->isEnabled());
  EXPECT_EQ(Gear().Edit3->text(), "Shelter");
  Gear().Button8->click();
  const TGearCategory& First = GearItem(0, 0);
  EXPECT_EQ(First.Name, "New Gear Item1");
  EXPECT_EQ(First.Weight + "|" + First.Cost + "|" + First.Own + "|" + First.Necessity + "|" + First.Volume + "|" +
                First.Other,
            "0|0|No|10|0|");
  Gear().Button8->click();
  Gear().Button8->click();
  EXPECT_EQ(TreeRows(Gear().ElTree1),
            (QStringList{"Shelter", "  New Gear Item1", "  New Gear Item2", "  New Gear Item3", "Kitchen"}));
  EXPECT_EQ(StoredGearRows(), TreeRows(Gear().ElTree1));
  // The new rows are not selected and the editor stays as it was.
  EXPECT_FALSE(Gear().ElTree1->IsRowSelected({0, 2}));
  EXPECT_FALSE(Gear().ValueListEditor1->isEnabled());
}

TEST_F(GearPageTest, ModifyRenamesTheCurrentCategory) {
  OpenWithGear({{"Shelter", {}}, {"Kitchen", {}}});
  Click(Gear().ElTree1, {0, -1});
  Gear().Edit3->setText("");
  Gear().Button9->click();
  EXPECT_EQ(Store().GetGearCategory(0, 0).Name, "Shelter");
  Gear().Edit3->setText("  ");  // blanks are accepted here
  Gear().Button9->click();
  EXPECT_EQ(Store().GetGearCategory(0, 0).Name, "  ");
  EXPECT_EQ(Gear().ElTree1->RowText({0, -1}), "  ");
  EXPECT_EQ(Store().GetGearCategory(0, 1).Name, "Kitchen");
}

// ---- The editor ----

TEST_F(GearPageTest, SelectedItemIsShownInThePickedUnits) {
  OpenWithGear({{"Shelter", {{"Tent", "1", "150", "Yes", "8", "0.0015", "green"}}}});
  struct {
    int Weight, Volume;
    std::string Shown[7];
  } Cases[] = {
      {Kilograms, CubicMeters, {"Tent", "1", "150", "Yes", "8", "0.0015", "green"}},
      {Grams, CubicCentimeters, {"Tent", "1000", "150", "Yes", "8", "1500", "green"}},
      {Pounds, Liters, {"Tent", "2.20462", "150", "Yes", "8", "1.5", "green"}},
      {Ounces, Cups, {"Tent", "35.274", "150", "Yes", "8", Text(CubicMetersToUnit(Cups, 0.0015)), "green"}},
  };
  for (const auto& Case : Cases) {
    PickWeightUnit(Case.Weight);
    PickVolumeUnit(Case.Volume);
    Click(Gear().ElTree1, {0, -1});
    Click(Gear().ElTree1, {0, 0});
    ASSERT_TRUE(Gear().ValueListEditor1->isEnabled());
    for (int Row = 0; Row < 7; ++Row)
      EXPECT_EQ(Gear().ValueListEditor1->Value(Row).toStdString(), Case.Shown[Row]) << Case.Weight << "/" << Row;
  }
  EXPECT_EQ(Gear().ValueListEditor1->Key(4), "Necesity");
  EXPECT_EQ(Gear().Edit3->text(), "Shelter");
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(GearPageTest, TypedFiguresAreStoredInKilogramsAndCubicMeters) {
  struct {
    int WeightUnit, VolumeUnit, Row;
    QString Typed;
    std::string Stored;
    QString ShownAfter;
  } Cases[] = {
      {Grams, CubicMeters, 1, "750", "0.75", "750"},
      {Pounds, CubicMeters, 1, "1", Text(1.0L / 2.20462L), "1"},
      {Ounces, CubicMeters, 1, "16", Text(16.0L / 35.274L), "16"},
      {Kilograms, CubicCentimeters, 5, "1", "1E-6", "1"},
      {Kilograms, Liters, 5, "1.5", Text(1.5L / 1000), "1.5"},
  };
  for (const auto& Case : Cases) {
    OpenWithGear({{"Shelter", {Tent}}});
    PickWeightUnit(Case.WeightUnit);
    PickVolumeUnit(Case.VolumeUnit);
    Click(Gear().ElTree1, {0, 0});
    Gear().ValueListEditor1->EnterValue(Case.Row, Case.Typed);
    const TGearCategory& Item = GearItem(0, 0);
    EXPECT_EQ(Case.Row == 1 ? Item.Weight : Item.Volume, Case.Stored) << Case.Typed.toStdString();
    EXPECT_EQ(Gear().ValueListEditor1->Value(Case.Row), Case.ShownAfter);
    Click(Gear().ElTree1, {0, -1});
    Click(Gear().ElTree1, {0, 0});  // shown again from the store
    EXPECT_EQ(Gear().ValueListEditor1->Value(Case.Row), Case.ShownAfter);
    CloseForm();
  }
}

TEST_F(GearPageTest, GramsTypedShowInKilogramsAfterAUnitChange) {
  OpenWithGear({{"Shelter", {Tent}}});
  PickWeightUnit(Grams);
  Click(Gear().ElTree1, {0, 0});
  Gear().ValueListEditor1->EnterValue(1, "750");
  PickWeightUnit(Kilograms);
  EXPECT_EQ(Gear().ValueListEditor1->Value(1), "0.75");
}

TEST_F(GearPageTest, WriteBackStoresEveryValueAndRenamesTheRow) {
  OpenWithGear({{"Shelter", {Tent}}});
  Click(Gear().ElTree1, {0, 0});
  TValueListEditor* Editor = Gear().ValueListEditor1;
  Editor->EnterValue(0, "Tarp");
  Editor->EnterValue(2, "about 60");  // cost: kept as typed
  Editor->EnterValue(6, "grey");
  const TGearCategory& Item = GearItem(0, 0);
  EXPECT_EQ(Item.Name + "|" + Item.Weight + "|" + Item.Cost + "|" + Item.Own + "|" + Item.Necessity + "|" +
                Item.Volume + "|" + Item.Other,
            "Tarp|2|about 60|No|8|0.004|grey");
  EXPECT_EQ(Gear().ElTree1->RowText({0, 0}), "Tarp");
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(GearPageTest, OwnIsYesOrNoWhenTheCellIsLeft) {
  OpenWithGear({{"Shelter", {Tent}}});
  Click(Gear().ElTree1, {0, 0});
  const std::pair<QString, std::string> Cases[] = {{"yes", "Yes"}, {"No", "No"},   {"Y", "Yes"},  {"maybe", "No"},
                                                   {"yellow", "Yes"}, {"", "No"}, {" yes", "No"}, {"y", "Yes"}};
  for (const auto& [Typed, Stored] : Cases) {
    Gear().ValueListEditor1->EnterValue(3, Typed);
    EXPECT_EQ(GearItem(0, 0).Own, Stored) << Typed.toStdString();
    EXPECT_EQ(Gear().ValueListEditor1->Value(3).toStdString(), Stored);
  }
}

TEST_F(GearPageTest, DoubleClickOnOwnTogglesAndStoresInStorageUnits) {
  OpenWithGear({{"Shelter", {{"Tent", "1.2", "150", "No", "8", "0.002", ""}}}});
  PickWeightUnit(Grams);
  PickVolumeUnit(Liters);
  Click(Gear().ElTree1, {0, 0});
  TValueListEditor* Editor = Gear().ValueListEditor1;
  DoubleClickCell(Editor, 3);
  EXPECT_TRUE(Gear().OwnRowSelected());
  EXPECT_EQ(Editor->Value(3), "Yes");
  EXPECT_EQ(GearItem(0, 0).Own, "Yes");
  EXPECT_EQ(GearItem(0, 0).Weight, "1.2");
  EXPECT_EQ(GearItem(0, 0).Volume, "0.002");
  DoubleClickCell(Editor, 3);
  EXPECT_EQ(GearItem(0, 0).Own, "No");
  DoubleClickCell(Editor, 1);  // not the Own row: nothing toggles
  EXPECT_FALSE(Gear().OwnRowSelected());
  EXPECT_EQ(GearItem(0, 0).Own, "No");
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(GearPageTest, FigureThatIsNotANumberIsReportedAndTheOldValueKept) {
  struct TCase {
    bool OnGearPage;
    int Row;
    QString Typed;
    QString Kept;
  };
  const TCase Cases[] = {{true, 1, "heavy", "2"},     {true, 5, "1,5 l", "0.004"}, {true, 1, "", "2"},
                         {true, 1, "1e400", "2"},     {true, 5, "-1e309", "0.004"},
                         {false, 1, "2 kg", "1"}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Typed.toStdString());
    OpenWith([](TTravelerData& Store) {
      Store.AppendTrip();
      TGearList(Store).AddCategory(0, "Shelter");
      TGearList(Store).AddItem(0, 0, {"Tent", "2", "150", "Yes", "8", "0.004", ""});
      TShoppingList(Store).AddCategory(0, "Food");
      TShoppingList(Store).AddItem(0, 0, {"Rice", "1", "1.5", "", ""});
    });
    TCategoryTree* Tree = Case.OnGearPage ? Gear().ElTree1 : Shopping().ElTree2;
    TValueListEditor* Editor = Case.OnGearPage ? Gear().ValueListEditor1 : Shopping().ValueListEditor2;
    std::unique_ptr<TCategorizedList> List;
    if (Case.OnGearPage)
      List = std::make_unique<TGearList>(Store());
    else
      List = std::make_unique<TShoppingList>(Store());
    const TItemTexts Before = List->ItemTexts(0, 0, 0);
    Click(Tree, {0, 0});
    Editor->EnterValue(0, "Tarp");
    Editor->EnterValue(Case.Row, Case.Typed);
    EXPECT_EQ(Prompts.All(), QStringList{"error: '" + Case.Typed + "' is not a valid floating point value."});
    EXPECT_EQ(Editor->Value(Case.Row), Case.Kept);
    EXPECT_EQ(Editor->Value(0), "Tarp");
    TItemTexts Expected = Before;
    Expected[0] = "Tarp";
    EXPECT_EQ(List->ItemTexts(0, 0, 0), Expected);
    EXPECT_TRUE(Editor->isEnabled());
  }
  // The largest figures that are numbers are stored.
  Prompts.Clear();
  PickWeightUnit(Grams);
  Click(Gear().ElTree1, {0, 0});
  Gear().ValueListEditor1->EnterValue(1, "1e300");
  EXPECT_EQ(GearItem(0, 0).Weight, "1E297");
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(GearPageTest, CategoryRowDisablesTheEditorAndEmptiesIt) {
  OpenWithGear({{"Shelter", {Tent}}, {"Kitchen", {}}});
  Click(Gear().ElTree1, {0, 0});
  Click(Gear().ElTree1, {1, -1});
  EXPECT_FALSE(Gear().ValueListEditor1->isEnabled());
  // No item is shown: no values of the item shown before.
  EXPECT_EQ(Gear().ValueListEditor1->Values(), QStringList(7, QString()));
  EXPECT_EQ(Gear().Edit3->text(), "Kitchen");
  Gear().Button8->click();
  EXPECT_EQ(Store().GearItemCount(0, 1), 1);
  EXPECT_EQ(Store().GearItemCount(0, 0), 1);
}

// ---- Records with equal names are told apart by position ----

TEST_F(GearPageTest, EqualCategoryAndItemNamesAddressTheRowsOwnRecords) {
  OpenWithGear({{"Food", {{"Bar", "0.1", "1", "No", "5", "0", ""}}}, {"Food", {{"Bar", "0.2", "2", "No", "5", "0", ""}}}});
  Click(Gear().ElTree1, {1, 0});
  EXPECT_EQ(Gear().ValueListEditor1->Value(1), "0.2");
  EXPECT_EQ(Gear().CurrentGearCategory(), 1);
  Gear().ValueListEditor1->EnterValue(0, "Energy bar");
  EXPECT_EQ(GearItem(1, 0).Name, "Energy bar");
  EXPECT_EQ(GearItem(0, 0).Name, "Bar");
  EXPECT_EQ(TreeRows(Gear().ElTree1), (QStringList{"Food", "  Bar", "Food", "  Energy bar"}));

  Gear().Edit3->setText("Snacks");
  Gear().Button9->click();
  EXPECT_EQ(StoredGearRows(), (QStringList{"Food", "  Bar", "Snacks", "  Energy bar"}));
  EXPECT_EQ(TreeRows(Gear().ElTree1), StoredGearRows());

  Gear().CheckBox11->setChecked(true);
  Gear().DKButton1->click();
  EXPECT_EQ(Gear().Edit4->text(), "0.2");

  Gear().Button8->click();
  EXPECT_EQ(Store().GearItemCount(0, 1), 2);
  EXPECT_EQ(Store().GearItemCount(0, 0), 1);
}

TEST_F(GearPageTest, DeletingAnItemOfEqualNameRemovesTheSelectedOne) {
  OpenWithGear({{"Food", {{"Bar", "0.1", "1", "No", "5", "0", ""}}}, {"Food", {{"Bar", "0.2", "2", "No", "5", "0", ""}}}});
  Click(Gear().ElTree1, {1, 0});
  Gear().Button10->click();
  EXPECT_EQ(StoredGearRows(), (QStringList{"Food", "  Bar", "Food"}));
  EXPECT_EQ(GearItem(0, 0).Weight, "0.1");
  EXPECT_EQ(TreeRows(Gear().ElTree1), StoredGearRows());
}

TEST_F(GearPageTest, ItemNamedLikeACategoryIsStillAnItem) {
  OpenWithGear({{"Kitchen", {{"Stove", "0.3", "45", "Yes", "9", "0", ""}}}, {"Stove", {Tent}}});
  Click(Gear().ElTree1, {0, 0});
  EXPECT_TRUE(Gear().ValueListEditor1->isEnabled());
  EXPECT_EQ(Gear().ValueListEditor1->Value(1), "0.3");
  EXPECT_EQ(Gear().Edit3->text(), "Kitchen");
  EXPECT_EQ(Gear().CurrentGearCategory(), 0);
  Gear().Button10->click();
  EXPECT_EQ(StoredGearRows(), (QStringList{"Kitchen", "Stove", "  Tent"}));
}

TEST_F(GearPageTest, AfterAddingACategoryTheEditorWritesNowhere) {
  OpenWithGear({{"A", {{"X", "1", "1", "No", "1", "0", ""}}}, {"B", {{"Z", "5", "5", "No", "5", "0", ""}}}});
  Click(Gear().ElTree1, {0, 0});
  Gear().Edit3->setText("B");
  Gear().Button7->click();
  EXPECT_FALSE(Gear().ValueListEditor1->isEnabled());
  Gear().ValueListEditor1->EnterValue(1, "9");
  EXPECT_EQ(GearItem(0, 0).Weight, "1");
  EXPECT_EQ(GearItem(1, 0).Weight, "5");
  EXPECT_EQ(GearItem(1, 0).Name, "Z");
  // Items added now go to the new category.
  Gear().Button8->click();
  EXPECT_EQ(Store().GearItemCount(0, 2), 1);
}

TEST_F(GearPageTest, ItemWithAFigureThatIsNotANumberCannotBeEdited) {
  OpenWithGear({{"A", {{"X", "1", "1", "No", "1", "0", ""}, {"Y", "heavy", "2", "Yes", "2", "0", ""}}}});
  Click(Gear().ElTree1, {0, 0});
  ASSERT_TRUE(Gear().ValueListEditor1->isEnabled());
  Click(Gear().ElTree1, {0, 1});
  EXPECT_FALSE(Gear().ValueListEditor1->isEnabled());
  EXPECT_EQ(Gear().CurrentGearItem(), 0);  // the gear page keeps the item that was current
  EXPECT_EQ(Gear().ValueListEditor1->Value(0), "Y");  // the fill stopped at the weight
  Gear().ValueListEditor1->EnterValue(2, "99");
  EXPECT_EQ(GearItem(0, 0).Name, "X");
  EXPECT_EQ(GearItem(0, 0).Cost, "1");
  EXPECT_EQ(GearItem(0, 1).Cost, "2");
  EXPECT_TRUE(Prompts.Shown.empty());
}

// ---- Delete Selected ----

TEST_F(GearPageTest, DeleteSelectedRemovesItemsAndCategoriesTogether) {
  OpenWithGear({{"A", {Tent, Tent, Tent}}, {"B", {Tent}}, {"C", {Tent, Tent}}});
  Store().GetGearItem(0, 0, 1).Name = "a2";
  Store().GetGearItem(0, 2, 1).Name = "c2";
  Click(Gear().ElTree1, {0, 1});
  Click(Gear().ElTree1, {1, -1}, Qt::ControlModifier);
  Click(Gear().ElTree1, {1, 0}, Qt::ControlModifier);
  Click(Gear().ElTree1, {2, 0}, Qt::ControlModifier);
  Gear().Button10->click();
  EXPECT_EQ(StoredGearRows(), (QStringList{"A", "  Tent", "  Tent", "C", "  c2"}));
  EXPECT_EQ(TreeRows(Gear().ElTree1), StoredGearRows());
  EXPECT_FALSE(Gear().Button8->isEnabled());
  EXPECT_FALSE(Gear().ValueListEditor1->isEnabled());
  EXPECT_FALSE(Gear().DeletingRows());
  EXPECT_EQ(Gear().CurrentGearCategory(), 1);  // the refresh makes the last category current
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(GearPageTest, DeleteSelectedHandlesTreesOfAnySize) {
  TCategoryTexts Categories;
  for (int c = 0; c < 12; ++c) Categories.push_back({"C" + std::to_string(c), std::vector<TItemTexts>(30, Tent)});
  OpenWithGear(Categories);
  ASSERT_EQ(Gear().ElTree1->RowCount(), 372);
  // Every row of the odd categories, and the first item of each even one.
  QItemSelection Selection;
  for (int c = 0; c < 12; ++c) {
    QTreeWidgetItem* Category = Gear().ElTree1->topLevelItem(c);
    if (c % 2 == 1) Category->setSelected(true);
    for (int i = 0; i < 30; ++i)
      if (c % 2 == 1 || i == 0) Category->child(i)->setSelected(true);
  }
  Gear().Button10->click();
  ASSERT_EQ(Store().GearCategoryCount(0), 6);
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(Store().GetGearCategory(0, c).Name, "C" + std::to_string(2 * c));
    EXPECT_EQ(Store().GearItemCount(0, c), 29);
  }
  EXPECT_EQ(TreeRows(Gear().ElTree1), StoredGearRows());
}

TEST_F(GearPageTest, NothingSelectedOnlyRefreshes) {
  OpenWithGear({{"A", {Tent}}});
  Click(Gear().ElTree1, {0, -1});
  Gear().ElTree1->clearSelection();
  Gear().Button10->click();
  EXPECT_EQ(StoredGearRows(), (QStringList{"A", "  Tent"}));
  EXPECT_FALSE(Gear().Button8->isEnabled());
}

TEST_F(GearPageTest, DelKeyAndPopupDeleteTheSelectedRows) {
  OpenWithGear({{"A", {Tent}}, {"B", {}}});
  EXPECT_EQ(Gear().DeleteSelected1->text(), "&Delete Selected");
  EXPECT_EQ(Gear().PopupMenu2->defaultAction(), Gear().DeleteSelected1);
  EXPECT_EQ(Gear().DeleteSelected1->shortcut(), QKeySequence(QKeySequence::Delete));
  ShowPage(TMainForm::GearPageIndex);
  QApplication::setActiveWindow(Form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  Click(Gear().ElTree1, {1, -1});
  Gear().ElTree1->setFocus();
  QTest::keyClick(Gear().ElTree1, Qt::Key_Delete);
  EXPECT_EQ(StoredGearRows(), (QStringList{"A", "  Tent"}));
  Click(Gear().ElTree1, {0, 0});
  Gear().DeleteSelected1->trigger();
  EXPECT_EQ(StoredGearRows(), QStringList{"A"});
}

// ---- Statistics ----

class GearStatisticsTest : public GearPageTest {
 protected:
  void OpenWithFigures() {
    OpenWithGear({{"A", {{"a", "1", "0", "No", "10", "0.002", ""}, {"b", "0.5", "0", "No", "5", "0.001", ""}}},
                  {"B", {{"c", "2", "0", "No", "3", "0.003", ""}}},
                  {"Empty", {}}});
  }
  QString Figure(TGearPage::TGearFigure Which) {
    Gear().GearStatistics(Which);
    const QLineEdit* Boxes[] = {Gear().Edit4, Gear().Edit5, Gear().Edit6};
    return Boxes[Which]->text();
  }
};

TEST_F(GearStatisticsTest, TotalsAndAverageInThePickedUnits) {
  OpenWithFigures();
  struct {
    int WeightUnit, VolumeUnit;
    TGearPage::TGearFigure Which;
    std::string Expected;
  } Cases[] = {
      {Kilograms, CubicMeters, TGearPage::TotalWeight, "3.5"},
      {Grams, CubicMeters, TGearPage::TotalWeight, "3500"},
      {Pounds, CubicMeters, TGearPage::TotalWeight,
       Text(static_cast<long double>(KilogramsToUnit(Pounds, 1)) + KilogramsToUnit(Pounds, 0.5) +
            KilogramsToUnit(Pounds, 2))},
      {Ounces, CubicMeters, TGearPage::TotalWeight,
       Text(static_cast<long double>(KilogramsToUnit(Ounces, 1)) + KilogramsToUnit(Ounces, 0.5) +
            KilogramsToUnit(Ounces, 2))},
      {Kilograms, CubicMeters, TGearPage::AverageNecessity, "6"},
      {Pounds, Liters, TGearPage::AverageNecessity, "6"},
      {Kilograms, CubicMeters, TGearPage::TotalVolume, "0.006"},
      {Kilograms, Liters, TGearPage::TotalVolume, "6"},
      {Kilograms, CubicCentimeters, TGearPage::TotalVolume, "6000"},
  };
  for (const auto& Case : Cases) {
    PickWeightUnit(Case.WeightUnit);
    PickVolumeUnit(Case.VolumeUnit);
    EXPECT_EQ(Figure(Case.Which).toStdString(), Case.Expected) << Case.WeightUnit << "/" << Case.VolumeUnit;
  }
}

TEST_F(GearStatisticsTest, OnlyTheCurrentCategory) {
  OpenWithFigures();
  Gear().CheckBox11->setChecked(true);
  EXPECT_EQ(Gear().CheckBox11->text(), "Only Current Gear Categoty");
  // After the fill the last category is current: it has no items.
  EXPECT_EQ(Figure(TGearPage::TotalWeight), "0");
  EXPECT_EQ(Figure(TGearPage::AverageNecessity), "0");
  EXPECT_EQ(Figure(TGearPage::TotalVolume), "0");
  Click(Gear().ElTree1, {0, 1});
  EXPECT_EQ(Figure(TGearPage::TotalWeight), "1.5");
  EXPECT_EQ(Figure(TGearPage::AverageNecessity), "7.5");
  Click(Gear().ElTree1, {1, -1});
  EXPECT_EQ(Figure(TGearPage::TotalVolume), "0.003");
}

TEST_F(GearStatisticsTest, ButtonsFillTheirOwnBoxOnly) {
  OpenWithFigures();
  Gear().DKButton1->click();
  Gear().Button23->click();
  Gear().Button38->click();
  EXPECT_EQ(Gear().Edit4->text(), "3.5");
  EXPECT_EQ(Gear().Edit5->text(), "6");
  EXPECT_EQ(Gear().Edit6->text(), "0.006");
  EXPECT_EQ(Gear().Label5->text(), "Average Necesity:");
  EXPECT_EQ(Gear().Button23->text(), "Calculate Average");
  // A unit change computes the weight again in the new unit; the other
  // figures stay. A refresh, which may show another trip or changed lists,
  // empties them.
  PickWeightUnit(Grams);
  EXPECT_EQ(Gear().Edit4->text(), "3500");
  EXPECT_EQ(Gear().Edit5->text(), "6");
  EXPECT_EQ(Gear().Edit6->text(), "0.006");
  PickVolumeUnit(Liters);
  EXPECT_EQ(Gear().Edit6->text(), "6");
  Form->RefreshTripPages();
  EXPECT_EQ(Gear().Edit4->text(), "");
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(GearStatisticsTest, NumberThatIsNotANumberIsReportedAndTheBoxKept) {
  OpenWithGear({{"A", {{"a", "1", "0", "No", "high", "0", ""}}}});
  Gear().Edit4->setText("old");
  Gear().DKButton1->click();  // every figure is read, whichever is asked
  Gear().Button23->click();
  EXPECT_EQ(Prompts.Texts("error"), (QStringList{"'high' is not a valid floating point value.",
                                                 "'high' is not a valid floating point value."}));
  EXPECT_EQ(Gear().Edit4->text(), "old");
  EXPECT_EQ(Gear().Edit5->text(), "");
}

TEST_F(GearStatisticsTest, CurrentCategoryMissingFromTheTripIsReported) {
  OpenWith([](TTravelerData& Store) {
    Store.AppendTrip();
    Store.AddGearCategory(0, "A");
    Store.AppendTrip();
  });
  Form->ComboBox1->setCurrentIndex(1);
  Form->ComboBox1Change();
  Prompts.Clear();
  Gear().CheckBox11->setChecked(true);
  Gear().DKButton1->click();
  EXPECT_EQ(Prompts.Texts("error"), QStringList{"List index out of bounds (-1)"});
  EXPECT_EQ(Gear().Edit4->text(), "");
  Gear().Button8->click();  // no category to add to
  EXPECT_EQ(Store().GearCategoryCount(1), 0);
}

// ---- Unit changes, refresh and the last trip ----

TEST_F(GearPageTest, UnitChangeShowsTheCurrentItemAgain) {
  OpenWithGear({{"A", {Tent}}});
  Click(Gear().ElTree1, {0, 0});
  PickWeightUnit(Grams);
  EXPECT_EQ(Gear().ValueListEditor1->Value(1), "2000");
  PickVolumeUnit(Liters);
  EXPECT_EQ(Gear().ValueListEditor1->Value(5), "4");
  EXPECT_TRUE(Gear().ValueListEditor1->isEnabled());
  Gear().ValueListEditor1->EnterValue(1, "500");
  EXPECT_EQ(GearItem(0, 0).Weight, "0.5");
}

TEST_F(GearPageTest, UnitChangeWithoutTheCurrentItemLeavesTheEditorAndGoesOn) {
  OpenWith([](TTravelerData& Store) {
    Store.AppendTrip();
    Store.AddGearCategory(0, "A");
    Store.AddGearItem(0, 0, "x", "1", "0", "No", "1", "0", "");
    Store.AddGearItem(0, 0, "y", "3", "0", "No", "1", "0", "");
    Store.AddGearCategory(0, "B");
    Store.AddShopingCategory(0, "Food");
    Store.AddShopingItem(0, 0, "Rice", "2", "", "1", "");
  });
  Click(Gear().ElTree1, {0, 1});
  Click(Gear().ElTree1, {1, -1});  // B has no item 1
  Click(Shopping().ElTree2, {0, 0});
  PickWeightUnit(Grams);
  EXPECT_EQ(Gear().ValueListEditor1->Value(1), "");  // a category shows no item
  EXPECT_EQ(Shopping().ValueListEditor2->Value(1), "1000");
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(GearPageTest, UnitChangeFailureIsReportedAndStopsTheLaterSteps) {
  OpenWith([](TTravelerData& Store) {
    Store.AppendTrip();
    Store.AddGearCategory(0, "A");
    Store.AddGearItem(0, 0, "x", "1", "0", "No", "1", "0", "");
    Store.AddGearCategory(0, "B");
    Store.AddGearItem(0, 1, "bad", "1", "0", "No", "1", "lots", "");
    Store.AddShopingCategory(0, "Food");
    Store.AddShopingItem(0, 0, "Rice", "2", "", "1", "");
  });
  Click(Gear().ElTree1, {0, 0});
  Click(Gear().ElTree1, {1, -1});  // the current item is now item 0 of B
  Click(Shopping().ElTree2, {0, 0});
  PickWeightUnit(Grams);
  EXPECT_EQ(Prompts.Texts("error"), QStringList{"'lots' is not a valid floating point value."});
  EXPECT_EQ(Shopping().ValueListEditor2->Value(1), "1");  // not shown again
  EXPECT_FALSE(Gear().ValueListEditor1->isEnabled());
}

TEST_F(GearPageTest, FillShowsTheTripAndKeepsTheBoxes) {
  OpenWith([](TTravelerData& Store) {
    Store.AppendTrip();
    Store.AddGearCategory(0, "A");
    Store.AddGearItem(0, 0, "x", "1", "0", "No", "1", "0", "");
    Store.AddGearCategory(0, "B");
    Store.AppendTrip();
    Store.AddGearCategory(1, "Only");
    Store.AppendTrip();
  });
  EXPECT_EQ(TreeRows(Gear().ElTree1), (QStringList{"A", "  x", "B"}));
  Click(Gear().ElTree1, {0, 0});
  Gear().DKButton1->click();
  Form->ComboBox1->setCurrentIndex(1);
  Form->ComboBox1Change();
  EXPECT_EQ(TreeRows(Gear().ElTree1), QStringList{"Only"});
  EXPECT_EQ(Gear().CurrentGearCategory(), 0);
  EXPECT_EQ(Gear().Edit3->text(), "A");
  EXPECT_EQ(Gear().Edit4->text(), "");  // the figure of the trip shown before
  EXPECT_FALSE(Gear().ValueListEditor1->isEnabled());
  EXPECT_EQ(Gear().ValueListEditor1->Values(), (QStringList{"", "0", "0", "No", "10", "0", ""}));
  EXPECT_TRUE(Gear().Button8->isEnabled());
  Form->ComboBox1->setCurrentIndex(2);  // no categories: the current one stays
  Form->ComboBox1Change();
  EXPECT_EQ(TreeRows(Gear().ElTree1), QStringList{});
  EXPECT_EQ(Gear().CurrentGearCategory(), 0);
  Gear().Button8->click();  // not a category of this trip: nothing is added
  EXPECT_EQ(Store().GearCategoryCount(2), 0);
}

TEST_F(GearPageTest, DeletingTheLastTripEmptiesThePage) {
  OpenWithGear({{"A", {Tent}}});
  Click(Gear().ElTree1, {0, 0});
  Gear().DKButton1->click();
  Gear().Button23->click();
  Gear().Button38->click();
  Prompts.ConfirmAnswers.push_back(true);
  Form->Button2->click();
  EXPECT_EQ(Gear().ElTree1->RowCount(), 0);
  EXPECT_EQ(Gear().Edit3->text(), "");
  EXPECT_EQ(Gear().Edit4->text() + Gear().Edit5->text() + Gear().Edit6->text(), "");
  EXPECT_FALSE(Gear().ValueListEditor1->isEnabled());
  EXPECT_EQ(Gear().ValueListEditor1->Value(0), "");
}

TEST_F(GearPageTest, EditorUsesTheUsersDecimalSeparator) {
  OpenWithGear({{"A", {{"x", "0.75", "3.50", "No", "7.5", "0.001", ""}}}});
  Form->Context().SetDecimalSeparator(',');
  Click(Gear().ElTree1, {0, 0});
  EXPECT_EQ(Gear().ValueListEditor1->Values(), (QStringList{"x", "0,75", "3,50", "No", "7,5", "0,001", ""}));
  Gear().ValueListEditor1->EnterValue(1, "1,5");
  Gear().ValueListEditor1->EnterValue(2, "4,25");
  EXPECT_EQ(GearItem(0, 0).Weight, "1.5");
  EXPECT_EQ(GearItem(0, 0).Cost, "4.25");
  EXPECT_EQ(GearItem(0, 0).Necessity, "7.5");
  Gear().DKButton1->click();
  EXPECT_EQ(Gear().Edit4->text(), "1,5");
  EXPECT_TRUE(Prompts.Shown.empty());
  Gear().ValueListEditor1->EnterValue(1, "2.5");  // not a number with ","
  EXPECT_EQ(Prompts.All(), QStringList{"error: '2.5' is not a valid floating point value."});
  EXPECT_EQ(GearItem(0, 0).Weight, "1.5");
  EXPECT_EQ(Gear().ValueListEditor1->Value(1), "1,5");
}

}  // namespace

namespace {

// A weight typed in ounces shows as typed, in every unit it was typed in,
// and a write-back of another field leaves the stored weight as it was.
TEST_F(GearPageTest, ConvertedWeightsShowAsTypedAndStayAsStored) {
  OpenWithGear({{"Shelter", {{"Tent", "0.10000000", "300", "No", "9", "0", ""}}}});
  PickWeightUnit(Ounces);
  Click(Gear().ElTree1, {0, 0});
  Gear().ValueListEditor1->EnterValue(2, "310");
  EXPECT_EQ(GearItem(0, 0).Weight, "0.10000000");  // not edited: not rewritten
  for (const char* Typed : {"3.6", "0.5", "139.07439"}) {
    Gear().ValueListEditor1->EnterValue(1, Typed);
    Click(Gear().ElTree1, {0, 0});
    EXPECT_EQ(Gear().ValueListEditor1->Value(1), Typed);
  }
  // A total computed in ounces is computed again after a switch to grams.
  const double Kilograms = static_cast<double>(ReadStoredFigure(GearItem(0, 0).Weight));
  Gear().DKButton1->click();
  EXPECT_EQ(Gear().Edit4->text().toStdString(), NumberToText(KilogramsToUnit(Ounces, Kilograms)));
  PickWeightUnit(Grams);
  EXPECT_EQ(Gear().Edit4->text().toStdString(), NumberToText(KilogramsToUnit(Grams, Kilograms)));
}

}  // namespace
