#include "gear/GearPage.h"

TGearPage::TGearPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {}
