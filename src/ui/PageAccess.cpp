#include "ui/PageAccess.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QSet>
#include <QWidget>
#include <algorithm>

namespace {

class TReadingOrder {
 public:
  QList<QWidget*> Controls;

  void Widget(QWidget* Item) {
    if (!Item || Item->isWindow() || Seen.contains(Item)) return;
    Seen.insert(Item);
    if (IsTabStop(Item)) {
      Controls.append(Item);
      return;
    }
    if (auto* Scroller = qobject_cast<QScrollArea*>(Item)) {
      Widget(Scroller->widget());
      return;
    }
    if (Item->layout()) Layout(Item->layout());
    // Children placed by position, not by a layout.
    QList<QWidget*> Placed;
    for (QWidget* Child : Item->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (!Seen.contains(Child)) Placed.append(Child);
    std::stable_sort(Placed.begin(), Placed.end(), [](const QWidget* A, const QWidget* B) {
      return A->y() != B->y() ? A->y() < B->y() : A->x() < B->x();
    });
    for (QWidget* Child : Placed) Widget(Child);
  }

  void Layout(QLayout* Items) {
    if (auto* Grid = qobject_cast<QGridLayout*>(Items)) {
      // Row by row, each row left to right.
      QList<int> Order;
      for (int i = 0; i < Grid->count(); ++i) Order.append(i);
      std::stable_sort(Order.begin(), Order.end(), [Grid](int A, int B) {
        int RowA, ColumnA, RowB, ColumnB, Span;
        Grid->getItemPosition(A, &RowA, &ColumnA, &Span, &Span);
        Grid->getItemPosition(B, &RowB, &ColumnB, &Span, &Span);
        return RowA != RowB ? RowA < RowB : ColumnA < ColumnB;
      });
      for (int i : Order) Item(Grid->itemAt(i));
      return;
    }
    const auto* Box = qobject_cast<QBoxLayout*>(Items);
    const bool Reversed = Box && (Box->direction() == QBoxLayout::RightToLeft ||
                                  Box->direction() == QBoxLayout::BottomToTop);
    const int Count = Items->count();
    for (int i = 0; i < Count; ++i) Item(Items->itemAt(Reversed ? Count - 1 - i : i));
  }

  void Item(QLayoutItem* Entry) {
    if (!Entry) return;
    if (Entry->widget())
      Widget(Entry->widget());
    else if (Entry->layout())
      Layout(Entry->layout());
  }

 private:
  QSet<QWidget*> Seen;
};

// The widget beside Control in the layout that holds it: the cell to its
// left in a grid, the item before it in a row.
QWidget* WidgetBefore(QWidget* Control) {
  QWidget* Parent = Control->parentWidget();
  if (!Parent || !Parent->layout()) return nullptr;
  QList<QLayout*> Pending{Parent->layout()};
  while (!Pending.isEmpty()) {
    QLayout* Items = Pending.takeFirst();
    const int Index = Items->indexOf(Control);
    if (Index >= 0) {
      QLayoutItem* Before = nullptr;
      if (auto* Grid = qobject_cast<QGridLayout*>(Items)) {
        int Row, Column, Span;
        Grid->getItemPosition(Index, &Row, &Column, &Span, &Span);
        if (Column > 0) Before = Grid->itemAtPosition(Row, Column - 1);
      } else if (qobject_cast<QHBoxLayout*>(Items) && Index > 0) {
        Before = Items->itemAt(Index - 1);
      }
      return Before ? Before->widget() : nullptr;
    }
    for (int i = 0; i < Items->count(); ++i)
      if (QLayout* Inner = Items->itemAt(i)->layout()) Pending.append(Inner);
  }
  return nullptr;
}

QLabel* BuddyLabel(QWidget* Control, QWidget* Root) {
  for (QLabel* Label : Root->window()->findChildren<QLabel*>())
    if (Label->buddy() == Control) return Label;
  return nullptr;
}

QString GroupTitle(QWidget* Control, QWidget* Root) {
  for (QWidget* Up = Control->parentWidget(); Up; Up = Up->parentWidget()) {
    if (auto* Group = qobject_cast<QGroupBox*>(Up)) return CaptionAsName(Group->title());
    if (Up == Root) break;
  }
  return {};
}

QString NameFor(QWidget* Control, QWidget* Root, const QString& PageName) {
  if (QLabel* Label = BuddyLabel(Control, Root)) return CaptionAsName(Label->text());
  QWidget* Before = WidgetBefore(Control);
  if (auto* Label = qobject_cast<QLabel*>(Before)) {
    if (!Label->buddy()) Label->setBuddy(Control);
    return CaptionAsName(Label->text());
  }
  // A check box that switches the field beside it on also says what it holds.
  if (auto* Check = qobject_cast<QCheckBox*>(Before)) return CaptionAsName(Check->text());
  if (const QString Group = GroupTitle(Control, Root); !Group.isEmpty()) return Group;
  if (!Control->toolTip().isEmpty()) return Control->toolTip();
  return PageName;
}

}  // namespace

bool IsTabStop(const QWidget* Control) {
  return (Control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !Control->focusProxy();
}

QString CaptionAsName(const QString& Caption) {
  QString Name;
  for (qsizetype i = 0; i < Caption.size(); ++i) {
    if (Caption[i] == '&' && i + 1 < Caption.size()) ++i;  // "&&" stands for "&"
    Name.append(Caption[i]);
  }
  Name = Name.trimmed();
  while (Name.endsWith(':')) Name = Name.chopped(1).trimmed();
  return Name;
}

QList<QWidget*> ControlsInReadingOrder(QWidget* Root) {
  TReadingOrder Order;
  Order.Widget(Root);
  return Order.Controls;
}

void OrderTabsByReading(QWidget* Root) {
  const QList<QWidget*> Controls = ControlsInReadingOrder(Root);
  for (qsizetype i = 1; i < Controls.size(); ++i) QWidget::setTabOrder(Controls[i - 1], Controls[i]);
}

void NameControls(QWidget* Root, const QString& PageName) {
  QList<QWidget*> Candidates = Root->findChildren<QWidget*>();
  Candidates.prepend(Root);
  for (QWidget* Control : Candidates) {
    if (Control->isWindow() && Control != Root) continue;
    if (!IsTabStop(Control) && !qobject_cast<QAbstractButton*>(Control)) continue;
    // A button says its caption; other controls (a selector would say its
    // entry) are named unless their own name is set.
    const bool Named = qobject_cast<QAbstractButton*>(Control) ? !SpokenName(Control).isEmpty()
                                                               : !Control->accessibleName().isEmpty();
    if (Named) continue;
    Control->setAccessibleName(NameFor(Control, Root, PageName));
    // A selector's list of entries, when it opens, is read with its name.
    if (auto* Box = qobject_cast<QComboBox*>(Control)) Box->view()->setAccessibleName(Control->accessibleName());
  }
}

QString SpokenName(QWidget* Control) {
  QAccessibleInterface* Interface = QAccessible::queryAccessibleInterface(Control);
  return Interface ? Interface->text(QAccessible::Name).trimmed() : QString();
}
