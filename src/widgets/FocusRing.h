// A ring drawn around whichever control of a window has the keyboard focus,
// so that the focus shows on every control and every background: its outer
// line takes the text colour of the background around the control, its
// inner line the selection colour.
#pragma once

#include <QFocusFrame>

class TFocusRing : public QFocusFrame {
  Q_OBJECT
 public:
  // Follows the focus among the controls of Window (not its dialogs).
  explicit TFocusRing(QWidget* Window);

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  void FocusChanged(QWidget* Now);
  QWidget* FWindow;
};
