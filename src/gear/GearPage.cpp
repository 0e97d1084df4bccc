#include "gear/GearPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

#include "ui/AppContext.h"

#include "widgets/ValueListEditor.h"

namespace {

TCategoryListSetup GearSetup() {
  return {"Gear Category",
          "Equipment",
          "Add New &Equipment",
          "Only Current Gear Categoty",
          {{"Total Weight:", "Calculate Total", {TGearList::WeightField, TStatistic::Total}},
           {"Average Necesity:", "Calculate Average", {TGearList::NecessityField, TStatistic::Average}},
           {"Total Volume:", "Calculate Total", {TGearList::VolumeField, TStatistic::Total}}},
          true};
}

// "Yes" for a text beginning with Y or y, otherwise "No".
bool SaysYes(const QString& Own) { return Own.startsWith('Y', Qt::CaseInsensitive); }

}  // namespace

TGearPage::TGearPage(TAppContext& Context, QWidget* Parent)
    : TCategoryListPage(Context, std::make_unique<TGearList>(Context.Store), GearSetup(), Parent),
      GroupBox1(CategoryGroup),
      Edit3(CategoryEdit),
      Button7(AddCategoryButton),
      Button9(ModifyCategoryButton),
      ElTree1(Tree),
      PopupMenu2(TreePopup),
      DeleteSelected1(DeleteSelectedAction),
      GroupBox17(ItemGroup),
      Button8(AddItemButton),
      ValueListEditor1(Editor),
      Button10(DeleteSelectedButton),
      GroupBox2(StatisticsGroup),
      CheckBox11(OnlyCurrentCategoryBox),
      Label4(StatisticControls[TotalWeight].Label),
      Edit4(StatisticControls[TotalWeight].Box),
      DKButton1(StatisticControls[TotalWeight].Button),
      Label5(StatisticControls[AverageNecessity].Label),
      Edit5(StatisticControls[AverageNecessity].Box),
      Button23(StatisticControls[AverageNecessity].Button),
      Label6(StatisticControls[TotalVolume].Label),
      Edit6(StatisticControls[TotalVolume].Box),
      Button38(StatisticControls[TotalVolume].Button) {
  Button42 = ExchangeButton("Import", TSectionExchange::ImportGear, GroupBox1);
  Button43 = ExchangeButton("Export", TSectionExchange::ExportGear, GroupBox1);
  CategoryButtons()->addWidget(Button42);
  CategoryButtons()->addWidget(Button43);

  connect(ValueListEditor1, &TValueListEditor::CellSelected, this,
          [this](int Row) { FOwnRowSelected = Row == TGearList::OwnField; });
  connect(ValueListEditor1, &TValueListEditor::DoubleClicked, this, [this] {
    if (FOwnRowSelected) ToggleOwn();
  });
}

void TGearPage::NormaliseValues() {
  ValueListEditor1->SetValue(TGearList::OwnField, SaysYes(ValueListEditor1->Value(TGearList::OwnField)) ? "Yes" : "No");
}

void TGearPage::ToggleOwn() {
  ValueListEditor1->SetValue(TGearList::OwnField, SaysYes(ValueListEditor1->Value(TGearList::OwnField)) ? "No" : "Yes");
  WriteBack();
}
