#include "ui/ExportFileName.h"

#include <QFile>
#include <QFileInfo>

#include "reports/core/ProgramFiles.h"
#include "ui/Prompts.h"

std::string LocalFileName(const QString& FileName) { return QFile::encodeName(FileName).toStdString(); }

QString AskExportFileName(IPrompts& Prompts, const QString& Title, const QString& Filter,
                          const QString& DefaultSuffix) {
  // After a refused name the dialog opens again where the user was, with
  // the name they typed.
  QString Selected;
  for (;;) {
    const QString FileName = Prompts.SaveFileName(Title, Filter, DefaultSuffix, Selected);
    if (FileName.isEmpty()) return {};
    Selected = FileName;
    const QString Shown = "\"" + QFileInfo(FileName).fileName() + "\"";
    const std::string Role = ExportRefusal(LocalFileName(FileName));
    if (!Role.empty()) {
      Prompts.Error("Cannot export to " + Shown + ": " + QString::fromStdString(Role) +
                    ". Please choose another file name.");
      continue;
    }
    if (QFileInfo::exists(FileName) && !Prompts.Confirm(Shown + " already exists. Do you want to replace it?"))
      continue;
    return FileName;
  }
}
