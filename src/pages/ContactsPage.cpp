#include "pages/ContactsPage.h"

TContactsPage::TContactsPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {}
