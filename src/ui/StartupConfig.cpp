#include "ui/StartupConfig.h"

#include <QFile>

#include "startup/ProgramInfo.h"

namespace {

QString ResourceText(const QString& Name) {
  QFile File(":/config/" + Name);
  if (!File.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(File.readAll()).trimmed();
}

}  // namespace

TStartupConfig LoadStartupConfig() {
  TStartupConfig Config;
  Config.Banner = QPixmap(":/pictures/banner.png");
  Config.UpdatesAddress = ResourceText("updates-address.txt");
  Config.ShoppingAddress = ResourceText("shopping-address.txt");
  Config.ReportFooter = ResourceText("report-footer.txt");
  Config.AboutText = ResourceText("about.txt").replace("@VERSION@", ProgramVersion);
  return Config;
}
