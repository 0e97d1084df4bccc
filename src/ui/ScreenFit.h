// Every window and dialog fits the screen it opens on: its size (the one it
// was made with, where it fits) and its minimum stay within the screen's
// available area less the window frame, and its frame lies within that
// area. A dialog whose controls need more room than that scrolls them, so
// that every control stays reachable.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QApplication;
class QWidget;

class TScreenFit : public QObject {
 public:
  // The least room kept for a window's frame (a larger frame that the
  // window manager has drawn counts as it is): the frame's sides, and its
  // title bar with the bottom edge.
  static constexpr QSize FrameAllowance{16, 48};

  // Fits Window to the screen area Available (in global coordinates). A
  // window placed before (moved) keeps its centre where it fits, else moves
  // as little as it needs; one that is not placed is left to the window
  // manager.
  static void Fit(QWidget& Window, const QRect& Available);
  // The available area of the screen Window opens on: its own screen once
  // it has a native window, else its parent's.
  static QRect AvailableArea(const QWidget& Window);
  // Fits every window and dialog of the application as it is shown.
  static void FitEveryWindow(QApplication& Application);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  using QObject::QObject;
};
