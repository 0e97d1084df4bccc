#include "startup/DataFolderOptions.h"

#include <QCommandLineParser>

#include "startup/DataFolder.h"
#include "startup/ProgramInfo.h"

TDataFolderOptions::TDataFolderOptions()
    : FDataFolder("data-folder",
                  "Work in folder <dir>: it holds qmp.dat and ReportTemplate.rtf and is created when "
                  "missing. Without this option and --user-data, the current folder is used.",
                  "dir"),
      FUserData("user-data",
                "Work in the user's data folder, $XDG_DATA_HOME/" + QString(ProgramDataName) +
                    " (by default ~/.local/share/" + QString(ProgramDataName) +
                    "), which is created on first use.") {}

void TDataFolderOptions::AddTo(QCommandLineParser& Parser) const {
  Parser.addOption(FDataFolder);
  Parser.addOption(FUserData);
}

TDataFolderChoice TDataFolderOptions::Choose(const QCommandLineParser& Parser) const {
  TDataFolderChoice Choice;
  if (Parser.isSet(FDataFolder) && Parser.isSet(FUserData))
    Choice.Error = "Use either --data-folder or --user-data, not both.";
  else if (Parser.isSet(FUserData))
    Choice.Folder = UserDataFolder();
  else if (Parser.isSet(FDataFolder)) {
    Choice.Folder = Parser.value(FDataFolder);
    if (Choice.Folder.isEmpty()) Choice.Error = "--data-folder needs a folder name.";
  }
  return Choice;
}
