#include "widgets/CheckListBox.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

// Sets a flag for the length of a scope.
class TQuietScope {
 public:
  explicit TQuietScope(bool& Flag) : FFlag(Flag), FWas(Flag) { FFlag = true; }
  ~TQuietScope() { FFlag = FWas; }

 private:
  bool& FFlag;
  bool FWas;
};

}  // namespace

TCheckListBox::TCheckListBox(QWidget* Parent) : QListWidget(Parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // A selection made by the user; the view's own moves of the current entry
  // (on focus, say) select nothing and are not reported.
  connect(this, &QListWidget::itemSelectionChanged, this, [this] {
    if (!FQuiet && SelectedIndex() >= 0) emit EntryClicked();
  });
  connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* Item) {
    if (!FQuiet) emit CheckClicked(row(Item));
  });
}

QListWidgetItem* TCheckListBox::NewEntry(const QString& Text) const {
  auto* Entry = new QListWidgetItem(Text);
  Entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  Entry->setCheckState(Qt::Unchecked);
  return Entry;
}

QString TCheckListBox::EntryText(int Index) const {
  const QListWidgetItem* Entry = item(Index);
  return Entry ? Entry->text() : QString();
}

void TCheckListBox::SetEntryText(int Index, const QString& Text) {
  TQuietScope Quiet(FQuiet);
  if (QListWidgetItem* Entry = item(Index)) Entry->setText(Text);
}

void TCheckListBox::AppendEntry(const QString& Text) {
  TQuietScope Quiet(FQuiet);
  addItem(NewEntry(Text));
}

void TCheckListBox::DeleteEntry(int Index) {
  TQuietScope Quiet(FQuiet);
  QListWidgetItem* Entry = item(Index);
  if (!Entry) return;
  const bool WasSelected = Entry->isSelected();
  QListWidgetItem* Selected = WasSelected ? nullptr : item(SelectedIndex());
  delete takeItem(Index);
  // The view moves the current entry to a neighbour; the selection must not follow.
  setCurrentItem(Selected, QItemSelectionModel::ClearAndSelect);
  if (!Selected) {
    clearSelection();
    setCurrentRow(-1);
  }
}

void TCheckListBox::SetEntries(const QStringList& Lines) {
  TQuietScope Quiet(FQuiet);
  clear();
  for (const QString& Line : Lines) addItem(NewEntry(Line));
}

void TCheckListBox::Clear() { SetEntries({}); }

bool TCheckListBox::IsChecked(int Index) const {
  const QListWidgetItem* Entry = item(Index);
  return Entry && Entry->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int Index, bool Checked) {
  TQuietScope Quiet(FQuiet);
  if (QListWidgetItem* Entry = item(Index)) Entry->setCheckState(Checked ? Qt::Checked : Qt::Unchecked);
}

int TCheckListBox::SelectedIndex() const {
  for (int i = 0; i < count(); ++i)
    if (item(i)->isSelected()) return i;
  return -1;
}

void TCheckListBox::SelectSilently(int Index) {
  TQuietScope Quiet(FQuiet);
  if (item(Index)) {
    setCurrentRow(Index, QItemSelectionModel::ClearAndSelect);
  } else {
    clearSelection();
    setCurrentRow(-1);
  }
}

void TCheckListBox::SetPopupMenu(QMenu* Menu) {
  if (FPopupMenu) {
    for (QAction* Action : FPopupMenu->actions()) removeAction(Action);
  }
  FPopupMenu = Menu;
  if (!Menu) return;
  for (QAction* Action : Menu->actions()) {
    Action->setShortcutContext(Qt::WidgetShortcut);
    addAction(Action);
  }
}

void TCheckListBox::mousePressEvent(QMouseEvent* Event) {
  const QListWidgetItem* Pressed = itemAt(Event->position().toPoint());
  const bool WasSelected = Pressed && Pressed->isSelected();
  QListWidget::mousePressEvent(Event);
  // A click on the entry already selected is reported too; a new selection
  // was reported as it changed.
  if (Event->button() == Qt::LeftButton && WasSelected && Pressed->isSelected()) emit EntryClicked();
}

QItemSelectionModel::SelectionFlags TCheckListBox::selectionCommand(const QModelIndex& Index,
                                                                   const QEvent* Event) const {
  // A click beside the entries, or a Ctrl+click on the selected one, would
  // leave the details of the record shown without an entry to write to.
  if (!Index.isValid()) return QItemSelectionModel::NoUpdate;
  const QItemSelectionModel::SelectionFlags Command = QListWidget::selectionCommand(Index, Event);
  if (Command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
    return QItemSelectionModel::ClearAndSelect;
  return Command;
}

void TCheckListBox::contextMenuEvent(QContextMenuEvent* Event) {
  if (FPopupMenu) FPopupMenu->exec(Event->globalPos());
}
