// The command-line options that choose the data folder, shared by every
// program of the planner: --data-folder DIR and --user-data.
#pragma once

#include <QCommandLineOption>
#include <QString>

class QCommandLineParser;

struct TDataFolderChoice {
  // The folder to work in; empty for the current directory.
  QString Folder;
  // A text for the user when the options contradict each other.
  QString Error;
};

class TDataFolderOptions {
 public:
  TDataFolderOptions();
  void AddTo(QCommandLineParser& Parser) const;
  // After Parser has parsed the command line; needs SetApplicationIdentity().
  TDataFolderChoice Choose(const QCommandLineParser& Parser) const;

 private:
  QCommandLineOption FDataFolder;
  QCommandLineOption FUserData;
};
