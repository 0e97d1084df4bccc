// The Gear page: gear categories and their items.
#pragma once

#include "app/TripPage.h"

class TGearPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TGearPage(TAppContext& Context, QWidget* Parent = nullptr);
};
