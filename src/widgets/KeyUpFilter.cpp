#include "widgets/KeyUpFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

TKeyUpFilter::TKeyUpFilter(QWidget* Control, THandler OnKeyUp) : QObject(Control), FOnKeyUp(std::move(OnKeyUp)) {
  Control->installEventFilter(this);
}

void TKeyUpFilter::Install(QWidget* Control, THandler OnKeyUp) { new TKeyUpFilter(Control, std::move(OnKeyUp)); }

bool TKeyUpFilter::eventFilter(QObject* Watched, QEvent* Event) {
  switch (Event->type()) {
    case QEvent::KeyPress:
      FPressed.insert(static_cast<QKeyEvent*>(Event)->key());
      break;
    case QEvent::KeyRelease: {
      const auto* Key = static_cast<QKeyEvent*>(Event);
      // Forgotten before the handler runs: it may open a modal box whose
      // closing key is released here again.
      if (!Key->isAutoRepeat() && FPressed.erase(Key->key()) > 0) FOnKeyUp(Key->key());
      break;
    }
    case QEvent::FocusOut:
      // A key held while the focus leaves is released elsewhere.
      FPressed.clear();
      break;
    default:
      break;
  }
  return QObject::eventFilter(Watched, Event);
}
