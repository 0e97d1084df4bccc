#include "app/CalendarPage.h"

TCalendarPage::TCalendarPage(TAppContext& Context, QWidget* Parent) : TTripPage(Context, Parent) {}
