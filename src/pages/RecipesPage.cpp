#include "pages/RecipesPage.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/AppContext.h"
#include "pages/IngredientEditor.h"

TRecipesPage::TRecipesPage(TAppContext& Context, QWidget* Parent)
    : TTextDetailsPage(Context, {"Recipe:", "Recipes", "Delete Checked Recepies", "&Delete Selcted", "Procedure"},
                       "Type the procedure details \r\nhere...", Parent) {
  Button44 = ExchangeButton("Import", TSectionExchange::ImportRecipes, this);
  Button45 = ExchangeButton("Export", TSectionExchange::ExportRecipes, this);
  NameRow->insertWidget(NameRow->count() - 1, Button44);
  NameRow->insertWidget(NameRow->count() - 1, Button45);
  GroupBox7 = new TIngredientEditor(Context, [this] { return SelectedIngredients(); }, this);
  Body->insertWidget(1, GroupBox7, 2);

  Label12 = NameLabel;
  Edit12 = NameBox;
  Button20 = AddButton;
  Button21 = ModifyButton;
  GroupBox9 = ListGroup;
  CheckListBox3 = List;
  Button25 = DeleteCheckedButton;
  PopupMenu5 = ListMenu;
  DeleteSelcted1 = DeleteSelectedItem;
  Edit13 = GroupBox7->NameBox;
  Button26 = GroupBox7->AddButton;
  Button27 = GroupBox7->ModifyButton;
  CheckListBox2 = GroupBox7->List;
  Button22 = GroupBox7->DeleteCheckedButton;
  PopupMenu6 = GroupBox7->Menu;
  DeleteSelcted2 = GroupBox7->DeleteSelectedItem;
  GroupBox8 = DetailsGroup;
  RichEdit2 = Details->Editor;
  Button24 = Details->ClearButton;
}

void TRecipesPage::FillPage() {
  Edit13->clear();
  TTextDetailsPage::FillPage();
}

void TRecipesPage::ClearPage() {
  Edit13->clear();
  TTextDetailsPage::ClearPage();
}

int TRecipesPage::SelectedIngredientIndex() const { return GroupBox7->SelectedIndex(); }

void TRecipesPage::Button26Click() { GroupBox7->AddClick(); }
void TRecipesPage::Button27Click() { GroupBox7->ModifyClick(); }
void TRecipesPage::CheckListBox2Click() { GroupBox7->EntryClick(); }
void TRecipesPage::Button22Click() { GroupBox7->DeleteCheckedClick(); }

TTextLines* TRecipesPage::SelectedIngredients() {
  const int Index = SelectedIndex();
  return Index < 0 ? nullptr : &Context.Store.GetRecipe(Context.Trip(), Index).Ingredients;
}

void TRecipesPage::ShowDetails(int Index) {
  const TRecipe& Recipe = Context.Store.GetRecipe(Context.Trip(), Index);
  TTextDetailsPage::ShowDetails(Index);
  GroupBox7->ShowLines(Recipe.Ingredients);
}

void TRecipesPage::ResetDetails() {
  TTextDetailsPage::ResetDetails();
  GroupBox7->Reset();
}

int TRecipesPage::RecordCount() const { return Context.Store.RecipeCount(Context.Trip()); }

std::string TRecipesPage::RecordName(int Index) const {
  return Context.Store.GetRecipe(Context.Trip(), Index).Name;
}

void TRecipesPage::AppendRecord(const std::string& Name) { Context.Store.AddRecipe(Context.Trip(), Name, ""); }

void TRecipesPage::RenameRecord(int Index, const std::string& Name) {
  Context.Store.SetRecipe(Context.Trip(), Index, Name, Context.Store.GetRecipe(Context.Trip(), Index).Procedure);
}

void TRecipesPage::DeleteRecord(int Index) { Context.Store.DeleteRecipe(Context.Trip(), Index); }

std::string TRecipesPage::RecordText(int Index) const {
  return Context.Store.GetRecipe(Context.Trip(), Index).Procedure;
}

void TRecipesPage::SetRecordText(int Index, const std::string& Text) {
  Context.Store.SetRecipe(Context.Trip(), Index, Context.Store.GetRecipe(Context.Trip(), Index).Name, Text);
}
