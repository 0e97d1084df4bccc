// The Recipes page: recipes, their ingredients and procedure.
#pragma once

#include "app/TripPage.h"

class TRecipesPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TRecipesPage(TAppContext& Context, QWidget* Parent = nullptr);
};
