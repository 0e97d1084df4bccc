#include "widgets/FocusRing.h"

#include <QApplication>
#include <QPainter>

TFocusRing::TFocusRing(QWidget* Window) : QFocusFrame(Window), FWindow(Window) {
  setObjectName("FocusRing");
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* Now) { FocusChanged(Now); });
}

void TFocusRing::FocusChanged(QWidget* Now) {
  // The ring stays with the last control while another window has the focus.
  if (!Now || Now->window() != FWindow || Now == FWindow) return;
  setWidget(Now);
}

void TFocusRing::paintEvent(QPaintEvent*) {
  if (!widget()) return;
  QPainter Painter(this);
  const QWidget* Around = widget()->parentWidget() ? widget()->parentWidget() : widget();
  // The frame stands two pixels out from the control on every side.
  const QRect Outer = rect();
  Painter.setPen(QPen(Around->palette().color(QPalette::WindowText), 1));
  Painter.drawRect(Outer.adjusted(0, 0, -1, -1));
  Painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), 1));
  Painter.drawRect(Outer.adjusted(1, 1, -2, -2));
}
