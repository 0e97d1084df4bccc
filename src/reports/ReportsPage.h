// The Reports page: compiling, exporting and e-mailing the trip report.
#pragma once

#include "app/TripPage.h"

class TReportsPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TReportsPage(TAppContext& Context, QWidget* Parent = nullptr);
};
