// The pattern of the Gear and Shopping List pages: a tree of categories and
// items on the left, a key/value editor for the item shown, Delete Selected
// and a statistics box on the right. The page works on a TCategorizedList
// and addresses records by their row positions only.
#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "gear/core/CategorizedList.h"
#include "ui/TripPage.h"
#include "widgets/CategoryTree.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TValueListEditor;

// A figure of the statistics box with its caption and button.
struct TStatisticRow {
  const char* Label;
  const char* ButtonCaption;
  TStatistic Figure;
};

// What differs between the pages besides their list.
struct TCategoryListSetup {
  const char* CategoryGroupTitle;
  const char* ItemGroupTitle;
  const char* AddItemCaption;
  const char* OnlyCurrentCategoryCaption;
  std::vector<TStatisticRow> Statistics;
  // Whether a failed item fill is reported (it then also keeps a newly
  // selected item from becoming current) or swallowed.
  bool ReportsFillFailures;
};

class TCategoryListPage : public TTripPage {
  Q_OBJECT
 public:
  void FillPage() override;
  void ClearPage() override;
  void WeightUnitChanged() override;
  void VolumeUnitChanged() override;
  std::vector<int> SelectedEntry() const override;
  void SelectEntry(const std::vector<int>& Entry) override;

  // Adds the category named in the category box.
  void AddCategory();
  // Renames the current category to the text of the category box.
  void ModifyCategory();
  // Adds a new item to the current category.
  void AddItem();
  // Deletes the selected rows, items before their categories.
  void DeleteSelected();
  // Computes the statistics and shows figure Which in its box.
  void ShowStatistic(int Which);
  // Sets the editor's reset values and disables it.
  void ResetEditor();
  // Shows item Item of category Cat in the editor, row by row. Returns false
  // when a figure that is not a number stopped the fill (or throws that
  // failure when the page reports fill failures).
  bool ShowItem(int Cat, int Item);

  // The current category and item positions; -1 for no category.
  int CurrentCategory() const { return FCurrentCategory; }
  int CurrentItem() const { return FCurrentItem; }
  bool DeletingRows() const { return FDeletingRows; }

 protected:
  TCategoryListPage(TAppContext& Context, std::unique_ptr<TCategorizedList> List, TCategoryListSetup Setup,
                    QWidget* Parent);

  // Runs before the editor's values are written back to the store.
  virtual void NormaliseValues() {}
  // Writes the editor's values into the item it shows and renames its row.
  // A weight or volume that is not a number stores nothing: the editor shows
  // the stored values again and the conversion message is shown; any other
  // failure abandons the write silently.
  void WriteBack();
  TDisplayUnits Units() const;
  TCategorizedList& List() { return *FList; }
  // The row of category and item buttons, for buttons of a page's own.
  QHBoxLayout* CategoryButtons() const { return FCategoryButtons; }

 public:
  // Controls; the pages give them their own names.
  QGroupBox* CategoryGroup = nullptr;
  QLineEdit* CategoryEdit = nullptr;
  QPushButton* AddCategoryButton = nullptr;
  QPushButton* ModifyCategoryButton = nullptr;
  TCategoryTree* Tree = nullptr;
  QMenu* TreePopup = nullptr;
  QAction* DeleteSelectedAction = nullptr;
  QGroupBox* ItemGroup = nullptr;
  QPushButton* AddItemButton = nullptr;
  TValueListEditor* Editor = nullptr;
  QPushButton* DeleteSelectedButton = nullptr;
  QGroupBox* StatisticsGroup = nullptr;
  QCheckBox* OnlyCurrentCategoryBox = nullptr;
  struct TStatisticControls {
    QLabel* Label;
    QLineEdit* Box;
    QPushButton* Button;
  };
  std::vector<TStatisticControls> StatisticControls;

 private:
  void BuildControls();
  void RowSelectedChanged(TTreeRow Row);
  void ShowCurrentItem();
  // The current category when the current trip has it, otherwise -1.
  int CurrentCategoryOfTrip();
  void FillEditor(int Cat, int Item);
  void DisableEditor();
  // Disables the editor and empties its values.
  void EmptyEditor();
  // After a unit change: every statistic of a field of Kind that shows a
  // figure is computed again in the new unit, or emptied.
  void RecomputeStatistics(TFieldKind Kind);
  // Empties the statistics boxes, whose figures belong to what was shown.
  void ClearStatistics();
  bool HasFieldOfKind(TFieldKind Kind) const;

  std::unique_ptr<TCategorizedList> FList;
  TCategoryListSetup FSetup;
  QHBoxLayout* FCategoryButtons = nullptr;
  int FCurrentCategory = -1;
  int FCurrentItem = 0;
  // The item the editor shows in full and may write back to; none while the
  // editor is disabled.
  std::optional<TTreeRow> FEditorItem;
  // The values FillEditor showed, by field.
  QStringList FShownValues;
  bool FDeletingRows = false;
};
