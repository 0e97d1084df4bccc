#include "gear/ShoppingPage.h"

TShoppingPage::TShoppingPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {}
