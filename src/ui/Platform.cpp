#include "ui/Platform.h"

#include <unistd.h>

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <clocale>
#include <locale>

#include "startup/DataFolder.h"
#include "startup/ProgramInfo.h"
#include "ui/Fonts.h"
#include "ui/ScreenFit.h"

// The resources live in the UI library; outside any namespace, as Qt needs.
static void InitResources() {
  Q_INIT_RESOURCE(resources);
  Q_INIT_RESOURCE(icons);
}

namespace {

// The icon theme's application icon (the installed one), else the built-in copy.
QIcon ApplicationIcon() {
  QIcon BuiltIn;
  for (int Size : {16, 32, 48, 64, 128, 256}) BuiltIn.addFile(QString(":/icons/app-%1.png").arg(Size));
  return QIcon::fromTheme(ProgramAppId, BuiltIn);
}

}  // namespace

void PrepareApplicationEnvironment() {
#ifdef QMP_HAVE_WEBENGINE
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#endif
}

void ConfigureApplication(QApplication& Application) {
  InitResources();
  SetApplicationIdentity();
  Application.setApplicationDisplayName(ProgramDisplayName);
  Application.setDesktopFileName(ProgramAppId);
  Application.setWindowIcon(ApplicationIcon());
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
  try {
    std::locale::global(std::locale(std::locale(""), std::locale::classic(), std::locale::numeric));
  } catch (const std::exception&) {
    // An unknown regional setting: keep the classic locale.
  }
  RegisterFontSubstitutes();
  QFont Default("MS Sans Serif");
  Default.setPointSize(8);
  Application.setFont(Default);
  TScreenFit::FitEveryWindow(Application);
}
