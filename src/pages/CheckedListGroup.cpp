#include "pages/CheckedListGroup.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/CheckListBox.h"

TCheckedListGroup::TCheckedListGroup(const QString& Title, const QString& DeleteCheckedCaption,
                                     const QString& PopupCaption, QWidget* Parent)
    : QGroupBox(Title, Parent) {
  Column = new QVBoxLayout(this);
  List = new TCheckListBox(this);
  DeleteCheckedButton = new QPushButton(DeleteCheckedCaption, this);
  Column->addWidget(List, 1);
  Column->addWidget(DeleteCheckedButton);

  Menu = new QMenu(this);
  DeleteSelectedItem = Menu->addAction(PopupCaption);
  DeleteSelectedItem->setShortcut(QKeySequence(Qt::Key_Delete));
  Menu->setDefaultAction(DeleteSelectedItem);
  List->SetPopupMenu(Menu);
  // The item acts on the checked entries, exactly as the button does.
  connect(DeleteSelectedItem, &QAction::triggered, DeleteCheckedButton, &QPushButton::click);
}
