// The Recipes page: what it adds to the pattern, the nested ingredient list.
#include "pages/IngredientEditor.h"
#include "support/PagesFixture.h"

namespace {

struct TRecipeTexts {
  std::string Name, Procedure;
  TTextLines Ingredients;
};

class RecipesTest : public PagesTest {
 protected:
  void OpenWithRecipes(const std::vector<TRecipeTexts>& List) {
    OpenWithTrip([&](TTravelerData& Data) {
      for (const TRecipeTexts& R : List) {
        Data.AddRecipe(0, R.Name, R.Procedure);
        Data.GetRecipe(0, Data.RecipeCount(0) - 1).Ingredients = R.Ingredients;
      }
    });
    ShowPage(TMainForm::RecipesPageIndex);
  }
  TRecipe& Recipe(int i) { return Store().GetRecipe(0, i); }
  TCheckListBox* RecipeList() { return Recipes().CheckListBox3; }
  TCheckListBox* Ingredients() { return Recipes().CheckListBox2; }
  void AddIngredient(const QString& Text) {
    Recipes().Edit13->setText(Text);
    Recipes().Button26->click();
  }
};

const TRecipeTexts Chili{"Chili", "Soak beans.\r\nSimmer.", {"Beans", "Chili powder", "Onion"}};
const TRecipeTexts Oats{"Oats", "Add water.", {"Oats", "Raisins"}};

TEST_F(RecipesTest, ControlsCarryTheirCaptions) {
  OpenWithRecipes({});
  EXPECT_EQ(Recipes().Label12->text(), "Recipe:");
  EXPECT_EQ(Recipes().GroupBox9->title(), "Recipes");
  EXPECT_EQ(Recipes().Button25->text(), "Delete Checked Recepies");
  EXPECT_EQ(Recipes().DeleteSelcted1->text(), "&Delete Selcted");
  EXPECT_EQ(Recipes().GroupBox7->title(), "Ingredientes");
  EXPECT_EQ(Recipes().Button22->text(), "Delete Checked Ingredientes");
  EXPECT_EQ(Recipes().DeleteSelcted2->text(), "&Delete Selcted");
  EXPECT_EQ(Recipes().PopupMenu6->defaultAction(), Recipes().DeleteSelcted2);
  EXPECT_EQ(Recipes().GroupBox8->title(), "Procedure");
  EXPECT_EQ(Recipes().Button24->text(), "&Clear");
  EXPECT_EQ(Recipes().Button44->text(), "Import");
  EXPECT_EQ(Recipes().Button45->text(), "Export");
}

TEST_F(RecipesTest, EditorsShowTheirDesignTextUntilATripIsShown) {
  OpenWith([](TTravelerData&) {});
  EXPECT_FALSE(Recipes().RichEdit2->isEnabled());
  EXPECT_EQ(Recipes().RichEdit2->PlainText(), "Type the procedure details \r\nhere...");
  EXPECT_FALSE(Logistics().RichEdit1->isEnabled());
  EXPECT_EQ(Logistics().RichEdit1->PlainText(), "Type the details here...");
}

TEST_F(RecipesTest, SelectingShowsIngredientsProcedureAndName) {
  OpenWithRecipes({Chili, Oats});
  ClickEntry(RecipeList(), 0);
  Check(Ingredients(), {1});
  ClickEntry(RecipeList(), 1);
  ClickEntry(RecipeList(), 0);
  EXPECT_EQ(Entries(Ingredients()), (QStringList{"Beans", "Chili powder", "Onion"}));
  EXPECT_EQ(CheckMarks(Ingredients()), (QList<bool>{false, false, false}));
  EXPECT_EQ(Recipes().RichEdit2->PlainText(), "Soak beans.\r\nSimmer.");
  EXPECT_EQ(Recipes().Edit12->text(), "Chili");
  EXPECT_FALSE(Recipes().RichEdit2->isReadOnly());
}

TEST_F(RecipesTest, ProcedureIsStoredAsTyped) {
  OpenWithRecipes({Chili, Oats});
  ClickEntry(RecipeList(), 1);
  Prompts.ConfirmAnswers.push_back(true);
  Recipes().Button24->click();
  EXPECT_EQ(Prompts.Texts("confirm"), QStringList{"Are you sure you want to clear the text?"});
  Type(Recipes().RichEdit2, "Boil");
  EXPECT_EQ(Recipe(1).Procedure, "Boil");
  EXPECT_EQ(Recipe(1).Name, "Oats");
  EXPECT_EQ(Recipe(1).Ingredients, (TTextLines{"Oats", "Raisins"}));
  EXPECT_EQ(Recipe(0).Procedure, "Soak beans.\r\nSimmer.");
}

TEST_F(RecipesTest, AddAndModifyRecipes) {
  OpenWithRecipes({Chili});
  Recipes().Edit12->setText("  ");
  Recipes().Button20->click();
  EXPECT_EQ(Store().RecipeCount(0), 1);
  Recipes().Edit12->setText("Pasta");
  Recipes().Button20->click();
  ASSERT_EQ(Store().RecipeCount(0), 2);
  EXPECT_EQ(Recipe(1).Name, "Pasta");
  EXPECT_TRUE(Recipe(1).Ingredients.empty());
  EXPECT_EQ(Recipes().SelectedRecipeIndex(), 1);
  Recipes().Edit12->setText("Pesto pasta");
  Recipes().Button21->click();
  EXPECT_EQ(Recipe(1).Name, "Pesto pasta");
  EXPECT_EQ(Entries(RecipeList()), (QStringList{"Chili", "Pesto pasta"}));
  EXPECT_EQ(Recipe(0).Name, "Chili");
}

TEST_F(RecipesTest, IngredientAddedTwiceIsListedTwice) {
  OpenWithRecipes({Oats});
  ClickEntry(RecipeList(), 0);
  AddIngredient("Milk powder");
  AddIngredient("Milk powder");
  AddIngredient(" \t");
  EXPECT_EQ(Recipe(0).Ingredients, (TTextLines{"Oats", "Raisins", "Milk powder", "Milk powder"}));
  EXPECT_EQ(Entries(Ingredients()), (QStringList{"Oats", "Raisins", "Milk powder", "Milk powder"}));
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(RecipesTest, IngredientAddWithoutRecipeChangesNothing) {
  OpenWithRecipes({Oats});
  AddIngredient("Salt");
  EXPECT_EQ(Recipe(0).Ingredients, (TTextLines{"Oats", "Raisins"}));
  EXPECT_EQ(Ingredients()->Count(), 0);
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(RecipesTest, CheckedIngredientsGoWithDel) {
  OpenWithRecipes({Chili, Oats});
  ClickEntry(RecipeList(), 0);
  Check(Ingredients(), {0, 2});
  PressDelete(Ingredients());
  EXPECT_EQ(Recipe(0).Ingredients, TTextLines{"Chili powder"});
  EXPECT_EQ(Entries(Ingredients()), QStringList{"Chili powder"});
  // The button does the same; nothing checked deletes nothing.
  Recipes().Button22->click();
  EXPECT_EQ(Recipe(0).Ingredients, TTextLines{"Chili powder"});
  EXPECT_EQ(Recipe(1).Ingredients, (TTextLines{"Oats", "Raisins"}));
}

TEST_F(RecipesTest, PickAndModifyAnIngredient) {
  OpenWithRecipes({Chili});
  ClickEntry(RecipeList(), 0);
  // Nothing picked: Modify changes nothing and says nothing.
  Recipes().Edit13->setText("Red onion");
  Recipes().Button27->click();
  EXPECT_EQ(Recipe(0).Ingredients, (TTextLines{"Beans", "Chili powder", "Onion"}));
  EXPECT_TRUE(Prompts.Shown.empty());

  ClickEntry(Ingredients(), 2);
  EXPECT_EQ(Recipes().Edit13->text(), "Onion");
  EXPECT_EQ(Recipes().SelectedIngredientIndex(), 2);
  Recipes().Edit13->setText("Red onion");
  Recipes().Button27->click();
  EXPECT_EQ(Recipe(0).Ingredients, (TTextLines{"Beans", "Chili powder", "Red onion"}));
  EXPECT_EQ(Entries(Ingredients()), (QStringList{"Beans", "Chili powder", "Red onion"}));
  // An empty text is taken as typed.
  ClickEntry(Ingredients(), 0);
  Recipes().Edit13->clear();
  Recipes().Button27->click();
  EXPECT_EQ(Recipe(0).Ingredients, (TTextLines{"", "Chili powder", "Red onion"}));
}

TEST_F(RecipesTest, DeletingACheckedRecipeKeepsTheOthersIngredients) {
  OpenWithRecipes({Chili, Oats});
  Check(RecipeList(), {0});
  Recipes().Button25->click();
  ASSERT_EQ(Store().RecipeCount(0), 1);
  EXPECT_EQ(Recipe(0).Name, "Oats");
  EXPECT_EQ(Recipe(0).Ingredients, (TTextLines{"Oats", "Raisins"}));
}

TEST_F(RecipesTest, AddedRecipeShowsItsOwnEmptyIngredients) {
  OpenWithRecipes({Chili});
  ClickEntry(RecipeList(), 0);
  Recipes().Edit12->setText("Tea");
  Recipes().Button20->click();
  // The ingredients of Chili are no longer listed: edits would reach Tea.
  EXPECT_EQ(Ingredients()->Count(), 0);
  EXPECT_EQ(Recipes().RichEdit2->PlainText(), "");
  AddIngredient("Tea bags");
  EXPECT_EQ(Recipe(1).Ingredients, TTextLines{"Tea bags"});
  EXPECT_EQ(Recipe(0).Ingredients, (TTextLines{"Beans", "Chili powder", "Onion"}));
  ClickEntry(Ingredients(), 0);
  Recipes().Edit13->setText("Green tea");
  Recipes().Button27->click();
  EXPECT_EQ(Recipe(1).Ingredients, TTextLines{"Green tea"});
  EXPECT_EQ(Recipe(0).Ingredients[0], "Beans");
}

TEST_F(RecipesTest, DeletingTheShownRecipeEmptiesItsDetails) {
  OpenWithRecipes({Chili, Oats});
  ClickEntry(RecipeList(), 0);
  ClickEntry(Ingredients(), 0);
  Check(RecipeList(), {0});
  Recipes().Button25->click();
  EXPECT_EQ(Ingredients()->Count(), 0);
  EXPECT_EQ(Recipes().RichEdit2->PlainText(), "");
  EXPECT_TRUE(Recipes().RichEdit2->isReadOnly());
  // The name boxes hold what the user typed or picked; they stay.
  EXPECT_EQ(Recipes().Edit13->text(), "Beans");
  EXPECT_EQ(Recipes().Edit12->text(), "Chili");
  // Nothing typed now can reach the remaining recipe.
  Recipes().Edit13->setText("Salt");
  Recipes().Button27->click();
  Recipes().Button26->click();
  Type(Recipes().RichEdit2, "x");
  EXPECT_EQ(Recipe(0).Ingredients, (TTextLines{"Oats", "Raisins"}));
  EXPECT_EQ(Recipe(0).Procedure, "Add water.");
}

TEST_F(RecipesTest, FillKeepsTheRecipeNameBox) {
  OpenWith([](TTravelerData& Data) {
    Data.AppendTrip();
    Data.AddRecipe(0, "Chili", "");
    Data.AppendTrip();
  });
  ClickEntry(RecipeList(), 0);
  Recipes().Edit13->setText("Salt");
  SwitchTrip(1);
  EXPECT_EQ(Recipes().Edit12->text(), "Chili");
  EXPECT_EQ(Recipes().Edit13->text(), "");
  EXPECT_EQ(RecipeList()->Count(), 0);

  // Deleting the last trip empties the name box too.
  Prompts.ConfirmAnswers = {true, true};
  Form->Button2->click();
  Form->Button2->click();
  EXPECT_EQ(Store().TripCount(), 0);
  EXPECT_EQ(Recipes().Edit12->text(), "");
}

}  // namespace
