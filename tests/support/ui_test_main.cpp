// Entry point of the widget tests: the program's application set-up, headless
// (QT_QPA_PLATFORM=offscreen), then every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/Platform.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Settings kept between runs go to a folder of this run, never the user's.
  QTemporaryDir ConfigFolder;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigFolder.path()));
  PrepareApplicationEnvironment();
  QApplication Application(argc, argv);
  ConfigureApplication(Application);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
