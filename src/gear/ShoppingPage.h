// The Shopping List page: shopping categories and their items.
#pragma once

#include "gear/CategoryListPage.h"

class TShoppingPage : public TCategoryListPage {
  Q_OBJECT
 public:
  explicit TShoppingPage(TAppContext& Context, QWidget* Parent = nullptr);

  // The statistics, in the order of their boxes.
  enum TShoppingFigure { TotalWeight, TotalPrice };

  int CurrentShoppingCategory() const { return CurrentCategory(); }
  int CurrentShoppingItem() const { return CurrentItem(); }
  bool ShowShoppingItem(int Cat, int Item) { return ShowItem(Cat, Item); }
  void ResetShoppingEditor() { ResetEditor(); }
  void ShoppingStatistics(TShoppingFigure Which) { ShowStatistic(Which); }

  QGroupBox* const GroupBox18;
  QLineEdit* const Edit11;
  QPushButton* const Button17;  // "A&dd"
  QPushButton* const Button18;  // "&Modify"
  TCategoryTree* const ElTree2;
  QMenu* const PopupMenu4;
  QAction* const DeleteSelected2;
  QGroupBox* const GroupBox5;
  QPushButton* const Button12;  // "Add New &Item"
  TValueListEditor* const ValueListEditor2;
  QPushButton* const Button16;  // "D&elete Selected"
  QGroupBox* const GroupBox16;
  QCheckBox* const CheckBox12;
  QLabel* const Label9;
  QLineEdit* const Edit9;
  QPushButton* const Button19;
  QLabel* const Label10;
  QLineEdit* const Edit10;
  QPushButton* const Button39;
};
