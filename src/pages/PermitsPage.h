// The Permits Manager page: park permits.
#pragma once

#include "app/TripPage.h"

class TPermitsPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TPermitsPage(TAppContext& Context, QWidget* Parent = nullptr);
};
