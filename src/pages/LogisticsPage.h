// The Logistics page: logistics plans and their details.
#pragma once

#include "app/TripPage.h"

class TLogisticsPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TLogisticsPage(TAppContext& Context, QWidget* Parent = nullptr);
};
