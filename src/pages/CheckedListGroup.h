// A framed check-list box with its "Delete Checked" button and a popup menu
// whose one item (default, short-cut Del) clicks that button.
#pragma once

#include <QGroupBox>

class QAction;
class QMenu;
class QPushButton;
class QVBoxLayout;
class TCheckListBox;

class TCheckedListGroup : public QGroupBox {
  Q_OBJECT
 public:
  TCheckedListGroup(const QString& Title, const QString& DeleteCheckedCaption, const QString& PopupCaption,
                    QWidget* Parent);

  TCheckListBox* List = nullptr;
  QPushButton* DeleteCheckedButton = nullptr;
  QMenu* Menu = nullptr;
  QAction* DeleteSelectedItem = nullptr;
  // The frame's column: the list above the button.
  QVBoxLayout* Column = nullptr;
};
