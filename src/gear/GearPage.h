// The Gear page: gear categories and their items.
#pragma once

#include "gear/CategoryListPage.h"

class TGearPage : public TCategoryListPage {
  Q_OBJECT
 public:
  explicit TGearPage(TAppContext& Context, QWidget* Parent = nullptr);

  // The statistics, in the order of their boxes.
  enum TGearFigure { TotalWeight, AverageNecessity, TotalVolume };

  int CurrentGearCategory() const { return CurrentCategory(); }
  int CurrentGearItem() const { return CurrentItem(); }
  bool OwnRowSelected() const { return FOwnRowSelected; }
  bool ShowGearItem(int Cat, int Item) { return ShowItem(Cat, Item); }
  void ResetGearEditor() { ResetEditor(); }
  void GearStatistics(TGearFigure Which) { ShowStatistic(Which); }

  QGroupBox* const GroupBox1;
  QLineEdit* const Edit3;
  QPushButton* const Button7;  // "A&dd"
  QPushButton* const Button9;  // "&Modify"
  QPushButton* Button42 = nullptr;  // "Import" (gear list exchange file)
  QPushButton* Button43 = nullptr;  // "Export"
  TCategoryTree* const ElTree1;
  QMenu* const PopupMenu2;
  QAction* const DeleteSelected1;
  QGroupBox* const GroupBox17;
  QPushButton* const Button8;  // "Add New &Equipment"
  TValueListEditor* const ValueListEditor1;
  QPushButton* const Button10;  // "D&elete Selected"
  QGroupBox* const GroupBox2;
  QCheckBox* const CheckBox11;
  QLabel* const Label4;
  QLineEdit* const Edit4;
  QPushButton* const DKButton1;
  QLabel* const Label5;
  QLineEdit* const Edit5;
  QPushButton* const Button23;
  QLabel* const Label6;
  QLineEdit* const Edit6;
  QPushButton* const Button38;

 protected:
  void NormaliseValues() override;

 private:
  void ToggleOwn();
  bool FOwnRowSelected = false;
};
