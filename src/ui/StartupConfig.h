// The start-up configuration values, built into the program as resources.
#pragma once

#include <QPixmap>
#include <QString>

struct TStartupConfig {
  QPixmap Banner;
  QString UpdatesAddress;
  QString ShoppingAddress;
  QString ReportFooter;
  QString AboutText;
};

// Reads the values from the program's resources (":/config/...").
TStartupConfig LoadStartupConfig();
