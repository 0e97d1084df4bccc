#include "pages/LogisticsPage.h"

TLogisticsPage::TLogisticsPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {}
