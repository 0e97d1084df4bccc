#include "widgets/EditPopupMenu.h"

#include <QTextEdit>

TEditPopupMenu::TEditPopupMenu(QTextEdit* Editor, QWidget* Parent) : QMenu(Parent), FEditor(Editor) {
  Undo1 = addAction("&Undo", this, [this] { Undo1Click(); });
  FirstSeparator = addSeparator();
  Cut1 = addAction("Cu&t", this, [this] { Cut1Click(); });
  Copy1 = addAction("&Copy", this, [this] { Copy1Click(); });
  Paste1 = addAction("&Paste", this, [this] { Paste1Click(); });
  Delete1 = addAction("&Delete", this, [this] { Delete1Click(); });
  SecondSeparator = addSeparator();
  SelectAll1 = addAction("&Select All", this, [this] { SelectAll1Click(); });
  Editor->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Editor, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& At) { popup(FEditor->viewport()->mapToGlobal(At)); });
}

void TEditPopupMenu::UpdateItemStates(bool ClipboardHoldsText) {
  const bool HasSelection = FEditor->textCursor().hasSelection();
  Undo1->setEnabled(FEditor->document()->isUndoAvailable());
  Cut1->setEnabled(HasSelection);
  Copy1->setEnabled(HasSelection);
  Delete1->setEnabled(HasSelection);
  Paste1->setEnabled(ClipboardHoldsText);
  SelectAll1->setEnabled(!FEditor->document()->isEmpty());
}

void TEditPopupMenu::Undo1Click() { FEditor->undo(); }
void TEditPopupMenu::Cut1Click() { FEditor->cut(); }
void TEditPopupMenu::Copy1Click() { FEditor->copy(); }
void TEditPopupMenu::Paste1Click() { FEditor->paste(); }

void TEditPopupMenu::Delete1Click() {
  QTextCursor Cursor = FEditor->textCursor();
  Cursor.removeSelectedText();
  FEditor->setTextCursor(Cursor);
}

void TEditPopupMenu::SelectAll1Click() { FEditor->selectAll(); }
