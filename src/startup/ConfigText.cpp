#include "startup/ConfigText.h"

#include <QFile>

QString ConfigText(const QString& Name) {
  QFile File(":/config/" + Name);
  if (!File.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(File.readAll()).trimmed();
}

QString ReportFooterText() { return ConfigText("report-footer.txt"); }
