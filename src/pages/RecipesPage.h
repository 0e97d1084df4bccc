// The Recipes page: recipes, each with a procedure text and a nested list of
// ingredients.
#pragma once

#include "pages/TextDetailsPage.h"
#include "store/Traveler.h"

class TIngredientEditor;
class TRichEdit;

class TRecipesPage : public TTextDetailsPage {
  Q_OBJECT
 public:
  explicit TRecipesPage(TAppContext& Context, QWidget* Parent = nullptr);

  // Both also empty the ingredient name box.
  void FillPage() override;
  void ClearPage() override;

  int SelectedRecipeIndex() const { return SelectedIndex(); }
  int SelectedIngredientIndex() const;

  void Button20Click() { AddClick(); }
  void Button21Click() { ModifyClick(); }
  void CheckListBox3Click() { ListClick(); }
  void Button25Click() { DeleteCheckedClick(); }
  void Button26Click();
  void Button27Click();
  void CheckListBox2Click();
  void Button22Click();

  QLabel* Label12 = nullptr;
  QLineEdit* Edit12 = nullptr;             // recipe name
  QPushButton* Button20 = nullptr;         // "Add"
  QPushButton* Button21 = nullptr;         // "Modify"
  QPushButton* Button44 = nullptr;         // "Import"
  QPushButton* Button45 = nullptr;         // "Export"
  TCheckedListGroup* GroupBox9 = nullptr;  // "Recipes"
  TCheckListBox* CheckListBox3 = nullptr;
  QPushButton* Button25 = nullptr;         // "Delete Checked Recepies"
  QMenu* PopupMenu5 = nullptr;
  QAction* DeleteSelcted1 = nullptr;
  TIngredientEditor* GroupBox7 = nullptr;  // "Ingredientes"
  QLineEdit* Edit13 = nullptr;             // ingredient name
  QPushButton* Button26 = nullptr;         // "Add"
  QPushButton* Button27 = nullptr;         // "Modify"
  TCheckListBox* CheckListBox2 = nullptr;
  QPushButton* Button22 = nullptr;         // "Delete Checked Ingredientes"
  QMenu* PopupMenu6 = nullptr;
  QAction* DeleteSelcted2 = nullptr;
  QGroupBox* GroupBox8 = nullptr;          // "Procedure"
  TRichEdit* RichEdit2 = nullptr;
  QPushButton* Button24 = nullptr;         // "&Clear"

 protected:
  int RecordCount() const override;
  std::string RecordName(int Index) const override;
  void AppendRecord(const std::string& Name) override;
  void RenameRecord(int Index, const std::string& Name) override;
  void DeleteRecord(int Index) override;
  std::string RecordText(int Index) const override;
  void SetRecordText(int Index, const std::string& Text) override;
  // The ingredients follow the procedure: both show the selected recipe.
  void ShowDetails(int Index) override;
  void ResetDetails() override;

 private:
  // The ingredient lines of the selected recipe, or nullptr.
  TTextLines* SelectedIngredients();
};
