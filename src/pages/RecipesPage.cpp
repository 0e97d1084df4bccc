#include "pages/RecipesPage.h"

TRecipesPage::TRecipesPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {}
