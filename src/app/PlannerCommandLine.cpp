#include "app/PlannerCommandLine.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "startup/DataFolder.h"
#include "startup/ProgramInfo.h"

bool TPlannerCommandLine::AsksOnlyForText(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--data-folder") == 0) {
      ++i;  // its value may be any name
      continue;
    }
    for (const char* Text : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
      if (std::strcmp(argv[i], Text) == 0) return true;
  }
  return false;
}

TPlannerCommandLine::TPlannerCommandLine()
    : FVersion(QStringList{"v", "version"}, "Displays version information."),
      FQuitAfterStart("quit-after-start"),
      FResetSettings("reset-settings",
                     "Starts with the default units, window size and selection, forgetting those kept from "
                     "earlier runs.") {
  SetApplicationIdentity();
  FQuitAfterStart.setFlags(QCommandLineOption::HiddenFromHelp);
  FParser.setApplicationDescription(QString(ProgramDisplayName) +
                                    ": a planner for hiking and backpacking trips.");
  FParser.addHelpOption();
  FParser.addOption(FVersion);
  FDataFolderOptions.AddTo(FParser);
  FParser.addOption(FQuitAfterStart);
  FParser.addOption(FResetSettings);
}

void TPlannerCommandLine::Process(const QCoreApplication& Application) {
  FParser.process(Application);
  if (FParser.isSet(FVersion)) {
    std::printf("%s %s\n", ProgramDisplayName, ProgramVersion);
    std::exit(EXIT_SUCCESS);
  }
  if (!FParser.positionalArguments().isEmpty()) {
    std::fprintf(stderr, "%s: unexpected argument '%s'\n", ProgramFileName,
                 qUtf8Printable(FParser.positionalArguments().constFirst()));
    std::exit(EXIT_FAILURE);
  }
}

QString TPlannerCommandLine::EnterDataFolder() const {
  const TDataFolderChoice Choice = FDataFolderOptions.Choose(FParser);
  const QString Error = Choice.Error.isEmpty() && !Choice.Folder.isEmpty()
                            ? ::EnterDataFolder(Choice.Folder, ShippedDataFolder())
                            : Choice.Error;
  // Said on the terminal too, for a start from a script.
  if (!Error.isEmpty()) std::fprintf(stderr, "%s: %s\n", ProgramFileName, qUtf8Printable(Error));
  return Error;
}

bool TPlannerCommandLine::QuitAfterStart() const { return FParser.isSet(FQuitAfterStart); }

bool TPlannerCommandLine::ResetSettings() const { return FParser.isSet(FResetSettings); }
