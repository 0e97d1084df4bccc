#include "gear/CategoryListPage.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "gear/core/NumberText.h"
#include "ui/AppContext.h"
#include "ui/StoreText.h"
#include "widgets/ValueListEditor.h"

namespace {

// The text without leading and trailing blanks and control characters.
QString TrimmedOfControls(const QString& Text) {
  qsizetype First = 0;
  qsizetype Last = Text.size();
  while (First < Last && Text[First].unicode() <= ' ') ++First;
  while (Last > First && Text[Last - 1].unicode() <= ' ') --Last;
  return Text.mid(First, Last - First);
}

QStringList FieldKeys(const TCategorizedList& List) {
  QStringList Keys;
  for (const TItemField& Field : List.Fields()) Keys.append(Field.Key);
  return Keys;
}

// Clears a flag when the scope ends, however it ends.
class TFlagScope {
 public:
  explicit TFlagScope(bool& Flag) : FFlag(Flag) { FFlag = true; }
  ~TFlagScope() { FFlag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
};

}  // namespace

TCategoryListPage::TCategoryListPage(TAppContext& Context, std::unique_ptr<TCategorizedList> List,
                                     TCategoryListSetup Setup, QWidget* Parent)
    : TTripPage(Context, Parent), FList(std::move(List)), FSetup(std::move(Setup)) {
  BuildControls();
}

void TCategoryListPage::BuildControls() {
  // Left: the category box and its buttons above the tree.
  CategoryGroup = new QGroupBox(FSetup.CategoryGroupTitle, this);
  CategoryEdit = new QLineEdit(CategoryGroup);
  AddCategoryButton = new QPushButton("A&dd", CategoryGroup);
  ModifyCategoryButton = new QPushButton("&Modify", CategoryGroup);
  auto* CategoryLayout = new QVBoxLayout(CategoryGroup);
  CategoryLayout->addWidget(CategoryEdit);
  FCategoryButtons = new QHBoxLayout;
  FCategoryButtons->addWidget(AddCategoryButton);
  FCategoryButtons->addWidget(ModifyCategoryButton);
  CategoryLayout->addLayout(FCategoryButtons);

  Tree = new TCategoryTree(this);
  TreePopup = new QMenu(Tree);
  DeleteSelectedAction = TreePopup->addAction("&Delete Selected");
  DeleteSelectedAction->setShortcut(QKeySequence::Delete);
  DeleteSelectedAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  TreePopup->setDefaultAction(DeleteSelectedAction);
  Tree->addAction(DeleteSelectedAction);
  Tree->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Tree, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& At) { TreePopup->popup(Tree->viewport()->mapToGlobal(At)); });

  auto* Left = new QVBoxLayout;
  Left->addWidget(CategoryGroup);
  Left->addWidget(Tree, 1);

  // Right: the item editor, then the statistics.
  ItemGroup = new QGroupBox(FSetup.ItemGroupTitle, this);
  AddItemButton = new QPushButton(FSetup.AddItemCaption, ItemGroup);
  AddItemButton->setEnabled(false);
  Editor = new TValueListEditor(FieldKeys(*FList), "Property", "Value", ItemGroup);
  Editor->setEnabled(false);
  Editor->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  DeleteSelectedButton = new QPushButton("D&elete Selected", ItemGroup);
  auto* ItemLayout = new QVBoxLayout(ItemGroup);
  ItemLayout->addWidget(AddItemButton, 0, Qt::AlignLeft);
  ItemLayout->addWidget(Editor);
  ItemLayout->addWidget(DeleteSelectedButton, 0, Qt::AlignLeft);

  StatisticsGroup = new QGroupBox("Statistics", this);
  OnlyCurrentCategoryBox = new QCheckBox(FSetup.OnlyCurrentCategoryCaption, StatisticsGroup);
  auto* StatisticsLayout = new QGridLayout(StatisticsGroup);
  StatisticsLayout->addWidget(OnlyCurrentCategoryBox, 0, 0, 1, 3);
  for (std::size_t s = 0; s < FSetup.Statistics.size(); ++s) {
    const TStatisticRow& Row = FSetup.Statistics[s];
    TStatisticControls Controls{new QLabel(Row.Label, StatisticsGroup), new QLineEdit(StatisticsGroup),
                                new QPushButton(Row.ButtonCaption, StatisticsGroup)};
    Controls.Box->setReadOnly(true);
    const int GridRow = static_cast<int>(s) + 1;
    StatisticsLayout->addWidget(Controls.Label, GridRow, 0);
    StatisticsLayout->addWidget(Controls.Box, GridRow, 1);
    StatisticsLayout->addWidget(Controls.Button, GridRow, 2);
    StatisticControls.push_back(Controls);
    const int Which = static_cast<int>(s);
    connect(Controls.Button, &QPushButton::clicked, this,
            [this, Which] { Context.Guarded([this, Which] { ShowStatistic(Which); }); });
  }

  auto* Right = new QVBoxLayout;
  Right->addWidget(ItemGroup);
  Right->addStretch(1);
  Right->addWidget(StatisticsGroup);

  auto* PageLayout = new QHBoxLayout(this);
  PageLayout->addLayout(Left, 1);
  PageLayout->addLayout(Right, 1);

  connect(AddCategoryButton, &QPushButton::clicked, this, [this] { Context.Guarded([this] { AddCategory(); }); });
  connect(ModifyCategoryButton, &QPushButton::clicked, this,
          [this] { Context.Guarded([this] { ModifyCategory(); }); });
  connect(AddItemButton, &QPushButton::clicked, this, [this] { Context.Guarded([this] { AddItem(); }); });
  connect(DeleteSelectedButton, &QPushButton::clicked, this,
          [this] { Context.Guarded([this] { DeleteSelected(); }); });
  connect(DeleteSelectedAction, &QAction::triggered, DeleteSelectedButton, &QPushButton::click);
  connect(Tree, &TCategoryTree::RowSelectedChanged, this, [this](TTreeRow Row) { RowSelectedChanged(Row); });
  connect(Editor, &TValueListEditor::ValueValidate, this, [this] { WriteBack(); });
}

TDisplayUnits TCategoryListPage::Units() const {
  return {Context.WeightUnit(), Context.VolumeUnit(), Context.DecimalSeparator(),
          Context.NumberSettings().GroupSeparator};
}

bool TCategoryListPage::HasFieldOfKind(TFieldKind Kind) const {
  for (const TItemField& Field : FList->Fields())
    if (Field.Kind == Kind) return true;
  return false;
}

int TCategoryListPage::CurrentCategoryOfTrip() {
  const int Trip = Context.Trip();
  if (Trip < 0 || Trip >= Context.Store.TripCount()) return -1;
  return FCurrentCategory >= 0 && FCurrentCategory < FList->CategoryCount(Trip) ? FCurrentCategory : -1;
}

// ---- Page steps ----

void TCategoryListPage::FillPage() {
  Tree->ClearRows();
  ResetEditor();
  ClearStatistics();
  const int Trip = Context.Trip();
  const int Categories = FList->CategoryCount(Trip);
  for (int Cat = 0; Cat < Categories; ++Cat) {
    QStringList Items;
    const int Count = FList->ItemCount(Trip, Cat);
    Items.reserve(Count);
    for (int Item = 0; Item < Count; ++Item) Items.append(FromStore(FList->ItemName(Trip, Cat, Item)));
    Tree->AddCategoryRows(FromStore(FList->CategoryName(Trip, Cat)), Items);
    FCurrentCategory = Cat;
  }
}

std::vector<int> TCategoryListPage::SelectedEntry() const {
  const std::vector<TTreeRow> Rows = Tree->SelectedRows();
  if (Rows.empty()) return {};
  return {Rows.front().Category, Rows.front().Item};
}

void TCategoryListPage::SelectEntry(const std::vector<int>& Entry) {
  if (Entry.size() == 2) Tree->SelectRow({Entry[0], Entry[1]});
}

void TCategoryListPage::ClearPage() {
  ResetEditor();
  Tree->ClearRows();
  CategoryEdit->clear();
  ClearStatistics();
}

void TCategoryListPage::ClearStatistics() {
  for (const TStatisticControls& Controls : StatisticControls) Controls.Box->clear();
}

void TCategoryListPage::WeightUnitChanged() {
  if (HasFieldOfKind(TFieldKind::Weight)) ShowCurrentItem();
  RecomputeStatistics(TFieldKind::Weight);
}

void TCategoryListPage::VolumeUnitChanged() {
  if (HasFieldOfKind(TFieldKind::Volume)) ShowCurrentItem();
  RecomputeStatistics(TFieldKind::Volume);
}

void TCategoryListPage::RecomputeStatistics(TFieldKind Kind) {
  const auto& Fields = FList->Fields();
  for (std::size_t s = 0; s < FSetup.Statistics.size(); ++s) {
    QLineEdit* Box = StatisticControls.at(s).Box;
    if (Fields.at(static_cast<std::size_t>(FSetup.Statistics[s].Figure.Field)).Kind != Kind || Box->text().isEmpty())
      continue;
    // A figure of the old unit never stays: it is computed again, or emptied.
    try {
      ShowStatistic(static_cast<int>(s));
    } catch (const std::exception&) {
      Box->clear();
    }
  }
}

void TCategoryListPage::ShowCurrentItem() {
  const int Cat = CurrentCategoryOfTrip();
  if (Cat < 0 || FCurrentItem < 0 || FCurrentItem >= FList->ItemCount(Context.Trip(), Cat)) return;
  ShowItem(Cat, FCurrentItem);
}

// ---- The editor ----

void TCategoryListPage::DisableEditor() {
  // Forget the item first: nothing the editor still holds may be written back.
  FEditorItem.reset();
  Editor->setEnabled(false);
}

void TCategoryListPage::ResetEditor() {
  DisableEditor();
  const auto& Fields = FList->Fields();
  for (std::size_t k = 0; k < Fields.size(); ++k) Editor->SetValue(static_cast<int>(k), Fields[k].ResetValue);
}

void TCategoryListPage::EmptyEditor() {
  DisableEditor();
  for (int k = 0; k < static_cast<int>(FList->Fields().size()); ++k) Editor->SetValue(k, QString());
}

void TCategoryListPage::FillEditor(int Cat, int Item) {
  const TItemTexts Texts = FList->ItemTexts(Context.Trip(), Cat, Item);
  const auto& Fields = FList->Fields();
  const TDisplayUnits Shown = Units();
  // Row by row: a figure that is not a number stops the fill there.
  FShownValues.clear();
  for (std::size_t k = 0; k < Fields.size(); ++k) {
    FShownValues.append(FromStore(StoredToShown(Fields[k].Kind, Texts[k], Shown)));
    Editor->SetValue(static_cast<int>(k), FShownValues.back());
  }
}

bool TCategoryListPage::ShowItem(int Cat, int Item) {
  // The editor may stay enabled only while it shows the item it writes to.
  if (FEditorItem != TTreeRow{Cat, Item}) DisableEditor();
  try {
    FillEditor(Cat, Item);
    return true;
  } catch (const std::exception&) {
    DisableEditor();
    if (FSetup.ReportsFillFailures) throw;
    return false;
  }
}

void TCategoryListPage::WriteBack() {
  if (!FEditorItem) return;
  const TTreeRow Item = *FEditorItem;
  try {
    NormaliseValues();
    const auto& Fields = FList->Fields();
    const TDisplayUnits Typed = Units();
    // A value the user left as it was shown keeps its stored text.
    const TItemTexts Stored = FList->ItemTexts(Context.Trip(), Item.Category, Item.Item);
    TItemTexts Texts;
    for (std::size_t k = 0; k < Fields.size(); ++k) {
      const QString Value = Editor->Value(static_cast<int>(k));
      Texts.push_back(k < static_cast<std::size_t>(FShownValues.size()) && Value == FShownValues.at(k) && k < Stored.size()
                          ? Stored[k]
                          : ShownToStored(Fields[k].Kind, ToStore(Value), Typed));
    }
    FList->SetItemTexts(Context.Trip(), Item.Category, Item.Item, Texts);
    FShownValues = Editor->Values();
    Tree->SetRowText(Item, Editor->Value(0));
  } catch (const TNumberTextError& Failure) {
    // A figure that is not a number stores nothing: the item keeps its old
    // value, which the editor shows again, and the user learns why.
    try {
      FillEditor(Item.Category, Item.Item);
    } catch (const std::exception&) {
      DisableEditor();
    }
    ShowStandardError(Context.Prompts, Failure);
  } catch (const std::exception&) {
    // The item is gone (no trip selected): nothing to store.
  }
}

// ---- User actions ----

void TCategoryListPage::RowSelectedChanged(TTreeRow Row) {
  if (FDeletingRows) return;
  try {
    const QString CategoryText = Tree->RowText({Row.Category, -1});
    if (Row.IsItem()) {
      // A reported fill failure ends here and leaves the current item as it was.
      const bool Shown = ShowItem(Row.Category, Row.Item);
      FCurrentItem = Row.Item;
      FCurrentCategory = Row.Category;
      CategoryEdit->setText(CategoryText);
      if (Shown) {
        FEditorItem = Row;
        Editor->setEnabled(true);
      }
    } else {
      FCurrentCategory = Row.Category;
      // No item is shown: the disabled editor shows no values of one.
      EmptyEditor();
      CategoryEdit->setText(CategoryText);
    }
  } catch (const std::exception&) {
    // Selection changes never report failures.
  }
  AddItemButton->setEnabled(true);
}

void TCategoryListPage::AddCategory() {
  const QString Name = CategoryEdit->text();
  if (TrimmedOfControls(Name).isEmpty()) return;
  // A value still being typed belongs to the item shown, which the editor lets go of.
  Editor->FinishEditing();
  const int Trip = Context.Trip();
  FList->AddCategory(Trip, ToStore(Name));
  Tree->AddCategoryRow(Name);
  FCurrentCategory = FList->CategoryCount(Trip) - 1;
  // The editor may show an item of another category: it must not be written there.
  DisableEditor();
}

void TCategoryListPage::ModifyCategory() {
  const QString Name = CategoryEdit->text();
  if (Name.isEmpty()) return;
  const int Cat = CurrentCategoryOfTrip();
  if (Cat < 0 || Cat >= Tree->CategoryRowCount()) return;
  Tree->SetRowText({Cat, -1}, Name);
  FList->SetCategoryName(Context.Trip(), Cat, ToStore(Name));
}

void TCategoryListPage::AddItem() {
  const int Cat = CurrentCategoryOfTrip();
  if (Cat < 0 || Cat >= Tree->CategoryRowCount()) return;
  const int Trip = Context.Trip();
  FList->AddNewItem(Trip, Cat);
  const int Last = FList->ItemCount(Trip, Cat) - 1;
  Tree->AddItemRow(Cat, FromStore(FList->ItemName(Trip, Cat, Last)));
}

void TCategoryListPage::DeleteSelected() {
  // A value still being typed belongs to the item shown, before rows move.
  Editor->FinishEditing();
  const std::vector<TTreeRow> Rows = Tree->SelectedRows();
  {
    TFlagScope Deleting(FDeletingRows);
    const int Trip = Context.Trip();
    for (auto Row = Rows.rbegin(); Row != Rows.rend(); ++Row) {
      try {
        if (Row->IsItem())
          FList->DeleteItem(Trip, Row->Category, Row->Item);
        else
          FList->DeleteCategory(Trip, Row->Category);
      } catch (const std::exception&) {
        // The row goes all the same.
      }
      DisableEditor();
      Tree->DeleteRow(*Row);
    }
    Context.RefreshTripPages();
    AddItemButton->setEnabled(false);
  }
}

void TCategoryListPage::ShowStatistic(int Which) {
  std::optional<int> Scope;
  if (OnlyCurrentCategoryBox->isChecked()) Scope = CurrentCategoryOfTrip();
  std::vector<TStatistic> Figures;
  for (const TStatisticRow& Row : FSetup.Statistics) Figures.push_back(Row.Figure);
  const TDisplayUnits Shown = Units();
  const std::vector<long double> Results = ListStatistics(*FList, Context.Trip(), Scope, Figures, Shown);
  const auto At = static_cast<std::size_t>(Which);
  StatisticControls.at(At).Box->setText(FromStore(NumberToText(Results.at(At), Shown.DecimalSeparator)));
}
