// qmp: the command-line companion of Quillmoor Planner.
#include <QCoreApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "cli/QmpArguments.h"
#include "cli/QmpCommands.h"

namespace {

// Qt's own notes (a missing runtime folder, font fallbacks) are not what the
// user asked for: qmp stays silent unless it fails.
void DropQtNotes(QtMsgType Type, const QMessageLogContext&, const QString& Message) {
  if (Type == QtFatalMsg) std::cerr << "qmp: " << Message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
  qInstallMessageHandler(DropQtNotes);
  const std::vector<std::string> Arguments(argv + 1, argv + argc);
  bool NeedsGui = false;
  try {
    const TQmpArguments Parsed = ParseQmpArguments(Arguments);
    NeedsGui = Parsed.Command == "report" && !Parsed.Help;
  } catch (const TUsageError&) {
    // RunQmp says what is wrong.
  }
  // The report lays out text and fonts: Qt's GUI types, without a display.
  std::unique_ptr<QCoreApplication> Application;
  if (NeedsGui) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    Application = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName("qmp");
  const int Code = RunQmp(Arguments, std::cout, std::cerr);
  std::cout.flush();
  if (!std::cout) return Code == 0 ? 1 : Code;
  return Code;
}
