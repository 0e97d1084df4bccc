// The popup menu of a text editor: undo, cut, copy, paste, delete and select
// all, each enabled only while it can act.
#pragma once

#include <QMenu>

class QTextEdit;

class TEditPopupMenu : public QMenu {
  Q_OBJECT
 public:
  // Becomes the popup menu of Editor.
  TEditPopupMenu(QTextEdit* Editor, QWidget* Parent);

  // "&Undo" while the editor can undo; "Cu&t", "&Copy" and "&Delete" while
  // text is selected; "&Paste" while the clipboard holds text; "&Select All"
  // while the editor holds any text.
  void UpdateItemStates(bool ClipboardHoldsText);

  void Undo1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void Delete1Click();
  void SelectAll1Click();

  QAction* Undo1 = nullptr;
  QAction* FirstSeparator = nullptr;
  QAction* Cut1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* Paste1 = nullptr;
  QAction* Delete1 = nullptr;
  QAction* SecondSeparator = nullptr;
  QAction* SelectAll1 = nullptr;

 private:
  QTextEdit* FEditor;
};
