// Entry point of the widget tests: the program's application set-up, headless
// (QT_QPA_PLATFORM=offscreen), then every test.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Platform.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  PrepareApplicationEnvironment();
  QApplication Application(argc, argv);
  ConfigureApplication(Application);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
