#include "ui/StartupConfig.h"

#include <QFile>

#include "startup/ConfigText.h"
#include "startup/ProgramInfo.h"

TStartupConfig LoadStartupConfig() {
  TStartupConfig Config;
  Config.Banner = QPixmap(":/pictures/banner.png");
  Config.UpdatesAddress = ConfigText("updates-address.txt");
  Config.ShoppingAddress = ConfigText("shopping-address.txt");
  Config.ReportFooter = ReportFooterText();
  Config.AboutText = ConfigText("about.txt").replace("@VERSION@", ProgramVersion);
  return Config;
}
