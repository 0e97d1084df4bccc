#include "reports/ReportsPage.h"

TReportsPage::TReportsPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {}
