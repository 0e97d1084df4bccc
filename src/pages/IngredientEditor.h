// The ingredient list of the selected recipe: a name box with "Add" and
// "Modify", the ingredients with check marks and "Delete Checked
// Ingredientes". It always shows the ingredients of the selected recipe, or
// none, so its edits reach the recipe the user sees.
#pragma once

#include <functional>

#include "pages/CheckedListGroup.h"
#include "store/Traveler.h"

class QLineEdit;
class TAppContext;

class TIngredientEditor : public TCheckedListGroup {
  Q_OBJECT
 public:
  // SelectedLines gives the ingredient lines of the selected recipe, or
  // nullptr when no recipe is selected.
  TIngredientEditor(TAppContext& Context, std::function<TTextLines*()> SelectedLines, QWidget* Parent);

  // Lists Lines, all unchecked.
  void ShowLines(const TTextLines& Lines);
  // Lists nothing; the name box keeps its text.
  void Reset();

  // The index of the selected ingredient, or -1.
  int SelectedIndex() const;

  // Event handlers.
  void AddClick();
  void ModifyClick();
  void EntryClick();
  void DeleteCheckedClick();

  QLineEdit* NameBox = nullptr;
  QPushButton* AddButton = nullptr;
  QPushButton* ModifyButton = nullptr;

 private:
  TAppContext& FContext;
  std::function<TTextLines*()> FSelectedLines;
};
