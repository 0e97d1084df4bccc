// The planner's command line: --help, --version, the data folder options and
// --quit-after-start, which install checks use to start the planner and end
// it through its normal close once start-up has finished.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include "startup/DataFolderOptions.h"

class QCoreApplication;

class TPlannerCommandLine {
 public:
  // Whether the command line only asks for a text (--help, --version), which
  // needs no window system: the caller then creates a QCoreApplication.
  static bool AsksOnlyForText(int argc, char** argv);

  // Names the application (SetApplicationIdentity).
  TPlannerCommandLine();

  // Parses the application's arguments. Prints the help or the version, or
  // what is wrong with the command line, and ends the program for those.
  void Process(const QCoreApplication& Application);

  // Makes the chosen data folder the current directory (creating it when
  // missing). Returns an error text for the user, or an empty string.
  QString EnterDataFolder() const;

  bool QuitAfterStart() const;
  // --reset-settings: start with the default units, window and selection.
  bool ResetSettings() const;

 private:
  QCommandLineParser FParser;
  TDataFolderOptions FDataFolderOptions;
  QCommandLineOption FVersion;
  QCommandLineOption FQuitAfterStart;
  QCommandLineOption FResetSettings;
};
