#include "reports/EditMenuTimer.h"

#include <QEvent>
#include <QWidget>
#include <exception>

#include "ui/Prompts.h"
#include "widgets/EditPopupMenu.h"

TEditMenuTimer::TEditMenuTimer(TEditPopupMenu& Menu, QWidget& Editor, IPrompts& Prompts, QObject* Parent)
    : QTimer(Parent), FMenu(Menu), FPrompts(Prompts) {
  setInterval(1);
  connect(this, &QTimer::timeout, this, &TEditMenuTimer::Tick);
  // Up to date whenever it is opened, between ticks too.
  connect(&Menu, &QMenu::aboutToShow, this, &TEditMenuTimer::Tick);
  Editor.installEventFilter(this);
  if (Editor.isVisible()) start();
}

void TEditMenuTimer::Tick() {
  try {
    FMenu.UpdateItemStates(!FPrompts.ClipboardText().isEmpty());
  } catch (const std::exception&) {
    FFailed = true;
    stop();
  }
}

bool TEditMenuTimer::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::Show && !FFailed) start();
  if (Event->type() == QEvent::Hide) stop();
  return QTimer::eventFilter(Watched, Event);
}
