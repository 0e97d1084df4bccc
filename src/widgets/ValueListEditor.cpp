#include "widgets/ValueListEditor.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <functional>
#include <stdexcept>

#include "store/ListIndex.h"

namespace {

constexpr int KeyColumn = 0;
constexpr int ValueColumn = 1;

// The standard cell editor, reporting each line editor it opens.
class TReportingDelegate : public QStyledItemDelegate {
 public:
  TReportingDelegate(std::function<void(QLineEdit*)> Opened, QObject* Parent)
      : QStyledItemDelegate(Parent), FOpened(std::move(Opened)) {}

  QWidget* createEditor(QWidget* Parent, const QStyleOptionViewItem& Option,
                        const QModelIndex& Index) const override {
    QWidget* Editor = QStyledItemDelegate::createEditor(Parent, Option, Index);
    FOpened(qobject_cast<QLineEdit*>(Editor));
    return Editor;
  }

 private:
  std::function<void(QLineEdit*)> FOpened;
};

// A value cell, read by a screen reader with its key ("Weight: 1.2"), so that
// an empty value still says which it is.
class TValueItem : public QTableWidgetItem {
 public:
  explicit TValueItem(QString Key) : QTableWidgetItem(QString("")), FKey(std::move(Key)) {}
  QVariant data(int Role) const override {
    if (Role == Qt::AccessibleTextRole) return FKey + ": " + text();
    return QTableWidgetItem::data(Role);
  }

 private:
  QString FKey;
};

}  // namespace

TValueListEditor::TValueListEditor(const QStringList& Keys, const QString& KeyTitle,
                                   const QString& ValueTitle, QWidget* Parent)
    : QTableWidget(static_cast<int>(Keys.size()), 2, Parent) {
  setHorizontalHeaderLabels({KeyTitle, ValueTitle});
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setSectionResizeMode(KeyColumn, QHeaderView::ResizeToContents);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setHighlightSections(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setItemDelegate(new TReportingDelegate([this](QLineEdit* Editor) { FOpenEditor = Editor; }, this));

  // The keys look like buttons, in the colours of the scheme's buttons.
  const QBrush KeyBackground = palette().brush(QPalette::Button);
  const QBrush KeyText = palette().brush(QPalette::ButtonText);
  for (int Row = 0; Row < Keys.size(); ++Row) {
    auto* KeyItem = new QTableWidgetItem(Keys[Row]);
    KeyItem->setFlags(Qt::ItemIsEnabled);
    KeyItem->setBackground(KeyBackground);
    KeyItem->setForeground(KeyText);
    setItem(Row, KeyColumn, KeyItem);
    auto* ValueItem = new TValueItem(Keys[Row]);
    ValueItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    setItem(Row, ValueColumn, ValueItem);
  }

  connect(this, &QTableWidget::itemChanged, this, &TValueListEditor::ValueEdited);
  FFocusWatch = connect(qApp, &QApplication::focusChanged, this, &TValueListEditor::FocusChanged);
}

TValueListEditor::~TValueListEditor() {
  // The focus leaves the cells while the base classes destroy them: no
  // validation may run on a grid that is going.
  disconnect(FFocusWatch);
}

int TValueListEditor::CheckedRow(int Row) const {
  CheckListIndex(Row, static_cast<std::size_t>(rowCount()));
  return Row;
}

QString TValueListEditor::Key(int Row) const { return item(CheckedRow(Row), KeyColumn)->text(); }

int TValueListEditor::RowOfKey(const QString& Key) const {
  for (int Row = 0; Row < rowCount(); ++Row)
    if (item(Row, KeyColumn)->text() == Key) return Row;
  return -1;
}

QString TValueListEditor::Value(int Row) const { return item(CheckedRow(Row), ValueColumn)->text(); }

QString TValueListEditor::Value(const QString& Key) const {
  const int Row = RowOfKey(Key);
  if (Row < 0) throw std::out_of_range("No row with the key \"" + Key.toStdString() + "\"");
  return Value(Row);
}

QStringList TValueListEditor::Values() const {
  QStringList Result;
  for (int Row = 0; Row < rowCount(); ++Row) Result.append(Value(Row));
  return Result;
}

void TValueListEditor::SetValue(int Row, const QString& Value) {
  QTableWidgetItem* Cell = item(CheckedRow(Row), ValueColumn);
  FSettingValue = true;
  Cell->setText(Value);
  FSettingValue = false;
  // The value shown now is the one set from code: nothing is left to validate.
  if (Row == FChangedRow) FChangedRow = -1;
}

void TValueListEditor::SetValue(const QString& Key, const QString& Value) {
  const int Row = RowOfKey(Key);
  if (Row < 0) throw std::out_of_range("No row with the key \"" + Key.toStdString() + "\"");
  SetValue(Row, Value);
}

void TValueListEditor::SetValues(const QStringList& Values) {
  for (int Row = 0; Row < Values.size(); ++Row) SetValue(Row, Values[Row]);
}

int TValueListEditor::CurrentRow() const {
  const QModelIndex Current = currentIndex();
  return Current.isValid() ? Current.row() : -1;
}

QSize TValueListEditor::sizeHint() const {
  QSize Hint = QTableWidget::sizeHint();
  int Height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
  for (int Row = 0; Row < rowCount(); ++Row) Height += rowHeight(Row);
  Hint.setHeight(Height);
  return Hint;
}

void TValueListEditor::ValueEdited(QTableWidgetItem* Item) {
  if (!FSettingValue && Item->column() == ValueColumn) FChangedRow = Item->row();
}

void TValueListEditor::currentChanged(const QModelIndex& Current, const QModelIndex& Previous) {
  // The base class commits and closes an editor open on the previous cell.
  QTableWidget::currentChanged(Current, Previous);
  if (Current.isValid() && Current.column() == KeyColumn) {
    // The keys cannot be edited: their value cell becomes current instead.
    setCurrentIndex(model()->index(Current.row(), ValueColumn));
    return;
  }
  if (FChangedRow >= 0 && (!Current.isValid() || Current.row() != FChangedRow)) ValidateChangedCell();
  if (Current.isValid() && (!Previous.isValid() || Previous.row() != Current.row()))
    emit CellSelected(Current.row());
}

void TValueListEditor::mouseDoubleClickEvent(QMouseEvent* Event) {
  emit DoubleClicked(rowAt(Event->position().toPoint().y()));
  QTableWidget::mouseDoubleClickEvent(Event);
}

bool TValueListEditor::Holds(QWidget* Widget) const {
  return Widget && (Widget == this || isAncestorOf(Widget));
}

void TValueListEditor::FocusChanged(QWidget* Old, QWidget* Now) {
  if (Holds(Old) && !Holds(Now)) FinishEditing();
}

void TValueListEditor::CommitOpenEditor() {
  // Only an editor still open has anything to give.
  if (FOpenEditor && state() == QAbstractItemView::EditingState) commitData(FOpenEditor);
}

void TValueListEditor::ValidateChangedCell() {
  if (FChangedRow < 0) return;
  const int Row = FChangedRow;
  FChangedRow = -1;
  emit ValueValidate(Row);
}

void TValueListEditor::TypeValue(int Row, const QString& Text) {
  if (!isEnabled()) return;
  setCurrentCell(CheckedRow(Row), ValueColumn);
  editItem(item(Row, ValueColumn));
  if (!FOpenEditor) return;
  QLineEdit* Editor = FOpenEditor;
  Editor->selectAll();
  Editor->insert(Text);
  // What Enter does: the text goes into the cell and the editor closes.
  commitData(Editor);
  closeEditor(Editor, QAbstractItemDelegate::SubmitModelCache);
}

void TValueListEditor::FinishEditing() {
  CommitOpenEditor();
  ValidateChangedCell();
}

void TValueListEditor::LeaveEditor() {
  if (isEnabled()) FinishEditing();
}

void TValueListEditor::EnterValue(int Row, const QString& Text) {
  TypeValue(Row, Text);
  LeaveEditor();
}
