// Reports the key releases of a control, but only of keys whose press the
// control received. The release of a key that closed a message box, or that
// was pressed while another window had the focus, is not a key stroke typed
// into the control and is ignored.
#pragma once

#include <QObject>
#include <functional>
#include <set>

class QWidget;

class TKeyUpFilter : public QObject {
 public:
  using THandler = std::function<void(int Key)>;

  // Watches Control; the filter is owned by it.
  static void Install(QWidget* Control, THandler OnKeyUp);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  TKeyUpFilter(QWidget* Control, THandler OnKeyUp);

  THandler FOnKeyUp;
  std::set<int> FPressed;
};
