// The baseline of the start-up benchmark: a minimal Qt Widgets window of the
// planner's size with one label.
#include <QApplication>
#include <QLabel>

#include "FirstPaint.h"

int main(int argc, char** argv) {
  QApplication Application(argc, argv);
  QWidget Window;
  Window.setWindowTitle("Minimal");
  Window.resize(922, 695);
  QLabel Label("Hello", &Window);
  TFirstPaint Watch(Window);
  Window.show();
  return Application.exec();
}
