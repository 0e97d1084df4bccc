// Entry point of the widget tests: a QApplication (headless under
// QT_QPA_PLATFORM=offscreen), the program's fonts, then every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <clocale>

#include "app/Fonts.h"
#include "app/Platform.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  PrepareApplicationEnvironment();
  QApplication Application(argc, argv);
  Q_INIT_RESOURCE(resources);
  Application.setApplicationName("Quillmoor Planner");
  Application.setApplicationDisplayName("Quillmoor Planner");
  std::setlocale(LC_NUMERIC, "C");
  RegisterFontSubstitutes();
  QFont Default("MS Sans Serif");
  Default.setPointSize(8);
  Application.setFont(Default);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
