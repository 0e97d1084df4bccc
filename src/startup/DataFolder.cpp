#include "startup/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <exception>

#include "reports/core/ReportFiles.h"
#include "startup/ProgramInfo.h"
#include "store/DataFileFormat.h"
#include "store/Traveler.h"

void SetApplicationIdentity() {
  QCoreApplication::setOrganizationName(QString());
  QCoreApplication::setOrganizationDomain(QString());
  QCoreApplication::setApplicationName(ProgramDataName);
  QCoreApplication::setApplicationVersion(ProgramVersion);
}

QString UserDataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QString ShippedDataFolder() {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + '/' + ShippedDataFromProgram);
}

namespace {

QString NativePath(const QString& Path) { return QDir::toNativeSeparators(QDir(Path).absolutePath()); }

// Creates Folder with an empty data file; returns an error text or "".
QString CreateDataFolder(const QString& Folder) {
  if (!QDir().mkpath(Folder)) return "Could not create the data folder \"" + NativePath(Folder) + "\".";
  try {
    TTravelerData Empty;
    Empty.SaveToFile(QFile::encodeName(QDir(Folder).filePath(QString::fromStdString(DataFileName))).toStdString());
  } catch (const std::exception& Failure) {
    return "Could not create the data file in \"" + NativePath(Folder) + "\": " + QString::fromLocal8Bit(Failure.what());
  }
  return QString();
}

// Copies the shipped report template into Folder unless one is there.
// A missing shipped template is not fatal: the Reports page says so.
void ProvideReportTemplate(const QString& Folder, const QString& ShippedFolder) {
  const QString Name = QString::fromStdString(ReportTemplateFileName);
  const QString Target = QDir(Folder).filePath(Name);
  if (QFileInfo::exists(Target)) return;
  const QString Source = QDir(ShippedFolder).filePath(Name);
  if (!QFile::copy(Source, Target)) {
    qWarning("%s: could not copy the report template \"%s\" into the data folder", ProgramFileName,
             qUtf8Printable(NativePath(Source)));
    return;
  }
  // The shipped file is read-only for the user once installed; the copy is theirs.
  QFile::setPermissions(Target, QFile::permissions(Target) | QFile::WriteOwner);
}

}  // namespace

QString EnterDataFolder(const QString& Folder, const QString& ShippedFolder) {
  const QFileInfo Info(Folder);
  if (Info.exists() && !Info.isDir()) return "The data folder \"" + NativePath(Folder) + "\" is not a folder.";
  if (!Info.exists()) {
    const QString Error = CreateDataFolder(Folder);
    if (!Error.isEmpty()) return Error;
  }
  ProvideReportTemplate(Folder, ShippedFolder);
  if (!QDir::setCurrent(Folder)) return "Could not open the data folder \"" + NativePath(Folder) + "\".";
  return QString();
}
