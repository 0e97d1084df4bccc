#include "calc/Unit3.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/ColumnScrollArea.h"

#include "ui/TripPage.h"

namespace {

QFont PixelFont(const QString& Family, int PixelSize) {
  QFont Font(Family);
  Font.setPixelSize(PixelSize);
  return Font;
}

// Disabled controls keep dark text on their own background, so that the tape
// and the display stay readable.
void KeepReadableWhenDisabled(QWidget* Control, const QColor& Background) {
  QPalette Palette = Control->palette();
  for (auto Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    Palette.setColor(Group, QPalette::Base, Background);
    Palette.setColor(Group, QPalette::Text, Qt::black);
  }
  Control->setPalette(Palette);
}

}  // namespace

TfrmCalc::TfrmCalc(QWidget* Parent) : QWidget(Parent) {
  // FormCreate: the evaluator and the keys' state.
  Calc = std::make_unique<TCalcul>();
  FKeypad = std::make_unique<TCalculatorKeypad>(*Calc);
  FWorker = std::make_unique<TCalcWorker>(*Calc);
  setWindowTitle("Calculator");
  resize(DesignedSize);
  setMaximumHeight(DesignedSize.height());
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName("Calculator");
  PaintPanelGreen(this);
  setFont(PixelFont("MS Sans Serif", 11));
  // The keys keep their places; where a small screen leaves the floating
  // window less height, they scroll. Keys typed still go to the window.
  FKeys = new QWidget;
  FKeys->setFixedSize(DesignedSize);
  auto* Scroller = new TColumnScrollArea(FKeys, this);
  Scroller->setFocusPolicy(Qt::NoFocus);
  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->addWidget(Scroller);
  BuildControls();
  ShowState();
  FMoveSettled.setSingleShot(true);
  FMoveSettled.setInterval(400);
  connect(&FMoveSettled, &QTimer::timeout, this, [this] { WindowMoveSettled(); });
}

// An evaluation still going on is stopped before the evaluator goes.
TfrmCalc::~TfrmCalc() { FWorker.reset(); }

QFrame* TfrmCalc::Panel(int Left, int Top, int Width, int Height) {
  auto* Frame = new QFrame(FKeys);
  Frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Frame->setGeometry(Left, Top, Width, Height);
  return Frame;
}

void TfrmCalc::AddKey(int Number, QWidget* Parent, const QString& Caption, int Left, int Top, int Width,
                      int Height, void (TfrmCalc::*Action)()) {
  auto* Button = new QToolButton(Parent);
  Button->setObjectName(QString("SpeedButton%1").arg(Number));
  Button->setText(Caption);
  Button->setGeometry(Left, Top, Width, Height);
  // Reached with Tab and pressed with Space; a click leaves the focus where it
  // was, and a key typed while a key has the focus goes on to the window.
  Button->setFocusPolicy(Qt::TabFocus);
  connect(Button, &QToolButton::clicked, this, [this, Action] { (this->*Action)(); });
  FButtons[static_cast<std::size_t>(Number)] = Button;
}

void TfrmCalc::BuildControls() {
  RichEdit1 = new QTextEdit(FKeys);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setGeometry(0, 0, 308, 193);
  RichEdit1->setAcceptRichText(false);
  RichEdit1->setReadOnly(true);
  RichEdit1->setEnabled(false);
  RichEdit1->setFont(PixelFont("Courier New", 15));
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
  KeepReadableWhenDisabled(RichEdit1, QColor(0, 255, 255));
  RichEdit1->setAccessibleName("Tape");

  QFrame* Panel2 = Panel(0, 199, 308, 50);
  Memo1 = new QTextEdit(Panel2);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(4, 4, 293, 37);
  Memo1->setEnabled(false);
  Memo1->setFont(PixelFont("Comic Sans MS", 21));
  Memo1->setAcceptRichText(false);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  KeepReadableWhenDisabled(Memo1, Qt::white);
  Memo1->setAccessibleName("Display");

  QFrame* Panel1 = Panel(0, 255, 153, 167);
  QFrame* Panel3 = Panel(160, 255, 148, 167);
  QFrame* Panel4 = Panel(0, 423, 309, 25);
  Panel1->setFont(PixelFont("Comic Sans MS", 21));
  Panel3->setFont(PixelFont("Comic Sans MS", 21));
  Panel4->setFont(PixelFont("Comic Sans MS", 13));

  AddKey(1, Panel1, "7", 3, 3, 46, 40, &TfrmCalc::Digit7);
  AddKey(2, Panel1, "8", 52, 3, 46, 40, &TfrmCalc::Digit8);
  AddKey(3, Panel1, "9", 101, 3, 46, 40, &TfrmCalc::Digit9);
  AddKey(4, Panel1, "4", 3, 43, 46, 40, &TfrmCalc::Digit4);
  AddKey(5, Panel1, "5", 52, 43, 46, 40, &TfrmCalc::Digit5);
  AddKey(6, Panel1, "6", 101, 43, 46, 40, &TfrmCalc::Digit6);
  AddKey(7, Panel1, "1", 3, 84, 46, 40, &TfrmCalc::Digit1);
  AddKey(8, Panel1, "2", 52, 84, 46, 40, &TfrmCalc::Digit2);
  AddKey(9, Panel1, "3", 101, 84, 46, 40, &TfrmCalc::Digit3);
  AddKey(10, Panel1, "0", 3, 125, 46, 40, &TfrmCalc::Digit0);
  AddKey(11, Panel1, "-/+", 52, 125, 46, 40, &TfrmCalc::SignKey);
  AddKey(12, Panel1, ".", 101, 125, 47, 40, &TfrmCalc::PointKey);
  AddKey(13, Panel3, "/", 3, 3, 46, 40, &TfrmCalc::DivideKey);
  AddKey(14, Panel3, "+", 51, 3, 46, 80, &TfrmCalc::PlusKey);
  AddKey(15, Panel3, "C", 99, 3, 46, 40, &TfrmCalc::ClearKey);
  AddKey(16, Panel3, "*", 3, 43, 46, 40, &TfrmCalc::TimesKey);
  AddKey(18, Panel3, "Del", 99, 43, 46, 40, &TfrmCalc::DeleteKey);
  AddKey(19, Panel3, "-", 3, 83, 46, 40, &TfrmCalc::MinusKey);
  AddKey(21, Panel3, "M+", 99, 83, 46, 40, &TfrmCalc::MemoryPlusKey);
  AddKey(22, Panel3, "Mod", 3, 123, 46, 40, &TfrmCalc::ModKey);
  AddKey(23, Panel3, "=", 51, 83, 46, 80, &TfrmCalc::EqualsKey);
  AddKey(24, Panel3, "M-", 99, 123, 46, 40, &TfrmCalc::MemoryMinusKey);
  AddKey(17, Panel4, "Dock", 4, 4, 144, 17, &TfrmCalc::SpeedButton17Click);
  AddKey(20, Panel4, "UnDock", 162, 4, 141, 17, &TfrmCalc::SpeedButton20Click);
}

QToolButton* TfrmCalc::SpeedButton(int Number) const {
  if (Number < 1 || Number > 24) return nullptr;
  return FButtons[static_cast<std::size_t>(Number)];
}

// ---- Showing the state ----

QString TfrmCalc::DisplayText() const { return Memo1->toPlainText(); }

QStringList TfrmCalc::TapeLines() const {
  QStringList Lines;
  for (QTextBlock Block = RichEdit1->document()->begin(); Block.isValid(); Block = Block.next())
    Lines.append(Block.text());
  return Lines;
}

void TfrmCalc::ShowState() {
  QStringList Lines;
  for (const auto& Line : FKeypad->Tape()) Lines.append(QString::fromStdString(Line));
  if (IsCalculating()) Lines.append(FCalculatingFormula + "=");
  RichEdit1->setPlainText(Lines.join('\n'));
  QTextCursor All(RichEdit1->document());
  All.select(QTextCursor::Document);
  QTextBlockFormat Right;
  Right.setAlignment(Qt::AlignRight);
  All.mergeBlockFormat(Right);
  Memo1->setPlainText(IsCalculating() ? QString(BusyText) : QString::fromStdString(FKeypad->Display()));
  QTextCursor Display(Memo1->document());
  Display.select(QTextCursor::Document);
  Display.mergeBlockFormat(Right);
}

// ---- Keys ----

void TfrmCalc::Press(void (TCalculatorKeypad::*Key)()) {
  ((*FKeypad).*Key)();
  ShowState();
}

void TfrmCalc::DigitKey(char Digit) {
  FKeypad->Digit(Digit);
  ShowState();
}

void TfrmCalc::PointKey() { Press(&TCalculatorKeypad::Point); }
void TfrmCalc::SignKey() { Press(&TCalculatorKeypad::ChangeSign); }
// "=": the evaluation runs on the worker's thread, so that a long one leaves
// the window responsive. A quick one ends while the key waits for it.
void TfrmCalc::EqualsKey() {
  if (IsCalculating() || !FKeypad->StartEquals()) return;
  FCalculatingFormula = QString::fromStdString(FKeypad->Formula());
  FWorker->Start([this] { QMetaObject::invokeMethod(this, [this] { CalculationEnded(); }, Qt::QueuedConnection); });
  if (FQuickCalculation.count() > 0 && FWorker->WaitFor(FQuickCalculation)) {
    CalculationEnded();
    return;
  }
  EnableKeys(false);
  ShowState();
}

// Also the notice of a run that was collected already: it finds nothing to do.
void TfrmCalc::CalculationEnded() {
  if (!IsCalculating() || !FWorker->HasEnded()) return;
  FKeypad->FinishEquals(FWorker->Collect());
  EnableKeys(true);
  ShowState();
}

// While an evaluation runs only "C" and the docking keys work.
void TfrmCalc::EnableKeys(bool Enabled) {
  for (int Number = 1; Number <= 24; ++Number) {
    QToolButton* Button = FButtons[static_cast<std::size_t>(Number)];
    if (Button && Number != 15 && Number != 17 && Number != 20) Button->setEnabled(Enabled);
  }
  if (Enabled)
    unsetCursor();
  else
    setCursor(Qt::BusyCursor);
}

// "C" also stops an evaluation that is going on; its result is dropped.
void TfrmCalc::ClearKey() {
  if (IsCalculating()) {
    FWorker->Stop();
    EnableKeys(true);
  }
  Press(&TCalculatorKeypad::Clear);
}
void TfrmCalc::DeleteKey() { Press(&TCalculatorKeypad::DeleteLast); }
void TfrmCalc::MemoryPlusKey() { Press(&TCalculatorKeypad::MemoryPlus); }
void TfrmCalc::MemoryMinusKey() { Press(&TCalculatorKeypad::MemoryMinus); }

void TfrmCalc::PlusKey() {
  FKeypad->AddOperator("+");
  ShowState();
}

void TfrmCalc::MinusKey() {
  FKeypad->AddOperator("-");
  ShowState();
}

void TfrmCalc::TimesKey() {
  FKeypad->MultiplyOperator("*");
  ShowState();
}

void TfrmCalc::DivideKey() {
  FKeypad->MultiplyOperator("/");
  ShowState();
}

void TfrmCalc::ModKey() {
  FKeypad->MultiplyOperator(" mod ");
  ShowState();
}

// While an evaluation runs, the keyboard only stops it (Esc).
bool TfrmCalc::event(QEvent* Event) {
  if (IsCalculating() && Event->type() == QEvent::KeyPress) {
    if (static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Escape) ClearKey();
    Event->accept();
    return true;
  }
  return QWidget::event(Event);
}

// The keyboard: a key acts exactly like a click on its button. The character
// typed decides, so that "+", "*" or "(" work on the main keyboard of any
// layout; keys without a character (Enter, Esc, Backspace, Delete, and the
// keypad when it sends none) go by their key code.
int TfrmCalc::ButtonForCharacter(QChar Typed) {
  static constexpr int DigitButtons[10] = {10, 7, 8, 9, 4, 5, 6, 1, 2, 3};
  if (Typed >= QChar('0') && Typed <= QChar('9')) return DigitButtons[Typed.unicode() - '0'];
  switch (Typed.unicode()) {
    case '.': case ',': return 12;  // the decimal point, whichever the keyboard has
    case '/': return 13;
    case '+': return 14;
    case '*': return 16;
    case '-': return 19;
    case '=': case '\r': case '\n': return 23;
    case 0x1b: return 15;  // Esc
    case '\b': case 0x7f: return 18;  // Backspace, Delete
    default: return 0;
  }
}

int TfrmCalc::ButtonForKey(int Key) {
  if (Key >= Qt::Key_0 && Key <= Qt::Key_9) return ButtonForCharacter(QChar('0' + (Key - Qt::Key_0)));
  switch (Key) {
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Equal: return 23;
    case Qt::Key_Escape: return 15;
    case Qt::Key_Backspace: case Qt::Key_Delete: return 18;
    case Qt::Key_Period: case Qt::Key_Comma: return 12;
    case Qt::Key_Slash: return 13;
    case Qt::Key_Plus: return 14;
    case Qt::Key_Asterisk: return 16;
    case Qt::Key_Minus: return 19;
    default: return 0;
  }
}

void TfrmCalc::keyPressEvent(QKeyEvent* Event) {
  // Shortcuts with Ctrl, Alt or Meta are not the calculator's.
  if (Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    QWidget::keyPressEvent(Event);
    return;
  }
  const QString Text = Event->text();
  const QChar Typed = Text.size() == 1 ? Text.at(0) : QChar();
  if (Typed == QChar('(') || (Typed.isNull() && Event->key() == Qt::Key_ParenLeft)) {
    Press(&TCalculatorKeypad::OpenGroup);
  } else if (Typed == QChar(')') || (Typed.isNull() && Event->key() == Qt::Key_ParenRight)) {
    Press(&TCalculatorKeypad::CloseGroup);
  } else {
    int Button = Typed.isNull() ? 0 : ButtonForCharacter(Typed);
    if (Button == 0) Button = ButtonForKey(Event->key());
    if (Button == 0) {
      QWidget::keyPressEvent(Event);
      return;
    }
    FButtons[static_cast<std::size_t>(Button)]->click();
  }
  Event->accept();
}

// ---- Docking ----

bool TfrmCalc::IsDocked() const { return FDockPanel && parentWidget() == FDockPanel; }

void TfrmCalc::DockInto(QWidget* Panel) {
  FDockPanel = Panel;
  SpeedButton17Click();
}

void TfrmCalc::SpeedButton17Click() {
  if (!FDockPanel) return;
  FMoveSettled.stop();
  setParent(FDockPanel, Qt::Widget);
  move(0, 0);
  resize(DesignedSize);
  show();
}

void TfrmCalc::SpeedButton20Click() { Float(QPoint(FloatLeft, FloatTop)); }

void TfrmCalc::Float(const QPoint& TopLeft) {
  // Owned by the main window while it floats, so it closes with it.
  QWidget* Owner = FDockPanel ? FDockPanel->window() : nullptr;
  // A tool window with a title bar and no border icons.
  setParent(Owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  // The client area keeps its size; the frame's top left goes to TopLeft,
  // and a tool window's frame makes the whole window FloatWidth x FloatHeight.
  move(TopLeft);
  show();
  FMoveSettled.stop();
}

// Closing the floating window puts it back into its dock panel, so the
// calculator can always be found on the Calculator page.
void TfrmCalc::closeEvent(QCloseEvent* Event) {
  if (!IsDocked() && FDockPanel) {
    Event->ignore();
    SpeedButton17Click();
    return;
  }
  QWidget::closeEvent(Event);
}

bool TfrmCalc::OverDockPanel(const QPoint& Global) const {
  if (!FDockPanel || !FDockPanel->isVisible()) return false;
  return FDockPanel->rect().contains(FDockPanel->mapFromGlobal(Global));
}

// The floating window moved by its title bar: once it rests over the dock
// panel, it docks.
void TfrmCalc::moveEvent(QMoveEvent* Event) {
  QWidget::moveEvent(Event);
  if (isWindow() && isVisible() && !FDragging) FMoveSettled.start();
}

void TfrmCalc::WindowMoveSettled() {
  if (!isWindow()) return;
  const QPoint Mouse = QCursor::pos();
  const bool OnTitleBar = frameGeometry().contains(Mouse) && Mouse.y() < geometry().top();
  if (OnTitleBar && OverDockPanel(Mouse)) SpeedButton17Click();
}

// Dragging the window by its background: out of the dock panel to float, and
// released over the dock panel to dock.
void TfrmCalc::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton) {
    FPressPosition = Event->position().toPoint();
    FPressGlobal = Event->globalPosition().toPoint();
    FDragging = false;
  }
  QWidget::mousePressEvent(Event);
}

void TfrmCalc::mouseMoveEvent(QMouseEvent* Event) {
  if (!(Event->buttons() & Qt::LeftButton)) return;
  const QPoint Global = Event->globalPosition().toPoint();
  if (!FDragging) {
    if ((Global - FPressGlobal).manhattanLength() < QApplication::startDragDistance())
      return;
    FDragging = true;
    if (!isWindow()) Float(Global - FPressPosition);
  }
  move(Global - FPressPosition);
}

void TfrmCalc::mouseReleaseEvent(QMouseEvent* Event) {
  if (FDragging && Event->button() == Qt::LeftButton) {
    FDragging = false;
    if (OverDockPanel(Event->globalPosition().toPoint())) SpeedButton17Click();
  }
  QWidget::mouseReleaseEvent(Event);
}
