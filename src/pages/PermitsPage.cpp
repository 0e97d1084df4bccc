#include "pages/PermitsPage.h"

TPermitsPage::TPermitsPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {}
