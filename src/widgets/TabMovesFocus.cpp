#include "widgets/TabMovesFocus.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool IsCtrlTab(const QEvent* Event) {
  if (Event->type() != QEvent::KeyPress && Event->type() != QEvent::ShortcutOverride) return false;
  const auto* Key = static_cast<const QKeyEvent*>(Event);
  return Key->key() == Qt::Key_Tab && Key->modifiers() == Qt::ControlModifier;
}

}  // namespace

void TTabMovesFocus::Install(QAbstractScrollArea* Editor) {
  if (auto* Text = qobject_cast<QTextEdit*>(Editor)) Text->setTabChangesFocus(true);
  if (auto* Plain = qobject_cast<QPlainTextEdit*>(Editor)) Plain->setTabChangesFocus(true);
  Editor->installEventFilter(new TTabMovesFocus(Editor));
}

bool TTabMovesFocus::eventFilter(QObject* Watched, QEvent* Event) {
  if (!IsCtrlTab(Event)) return false;
  // Claimed before any shortcut of the window (a page switch) can take it.
  if (Event->type() == QEvent::ShortcutOverride) {
    Event->accept();
    return true;
  }
  if (auto* Text = qobject_cast<QTextEdit*>(Watched)) {
    if (!Text->isReadOnly()) Text->insertPlainText("\t");
  } else if (auto* Plain = qobject_cast<QPlainTextEdit*>(Watched)) {
    if (!Plain->isReadOnly()) Plain->insertPlainText("\t");
  }
  return true;
}
