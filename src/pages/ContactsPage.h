// The Contact Information page: the party's contacts.
#pragma once

#include "app/TripPage.h"

class TContactsPage : public TTripPage {
  Q_OBJECT
 public:
  explicit TContactsPage(TAppContext& Context, QWidget* Parent = nullptr);
};
