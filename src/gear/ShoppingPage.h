// The Shopping List page: shopping categories and their items.
#pragma once

#include "app/TripPage.h"

class TShoppingPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TShoppingPage(TAppContext& Context, QWidget* Parent = nullptr);
};
