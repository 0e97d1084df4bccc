// The calculator window: keys, keyboard, tape, docking in the Calculator page.
#include <QApplication>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTextBlock>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "app/CalculatorPage.h"
#include "calc/Unit3.h"
#include "support/MainFormFixture.h"

namespace {

class CalculatorWindowTest : public ::testing::Test {
 protected:
  // Clicks the buttons with these captions, in order.
  void Click(const QStringList& Captions) {
    for (const QString& Caption : Captions) {
      QToolButton* Found = nullptr;
      for (int n = 1; n <= 24; ++n)
        if (Calc.SpeedButton(n)->text() == Caption) Found = Calc.SpeedButton(n);
      ASSERT_NE(Found, nullptr) << Caption.toStdString();
      Found->click();
    }
  }
  void Key(int Code, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
    QKeyEvent Press(QEvent::KeyPress, Code, Modifiers);
    QApplication::sendEvent(&Calc, &Press);
  }
  QString LastTapeLine() const { return Calc.TapeLines().back(); }

  TfrmCalc Calc;
};

TEST_F(CalculatorWindowTest, StartsWithHeadingAndZero) {
  EXPECT_EQ(Calc.windowTitle(), "Calculator");
  EXPECT_EQ(Calc.TapeLines(), (QStringList{"Quillmoor Planner Calculator", "_______________________________"}));
  EXPECT_EQ(Calc.DisplayText(), "0");
  EXPECT_EQ(Calc.size(), QSize(312, 450));
  EXPECT_FALSE(Calc.RichEdit1->isEnabled());
  EXPECT_TRUE(Calc.RichEdit1->isReadOnly());
  EXPECT_FALSE(Calc.Memo1->isEnabled());
}

TEST_F(CalculatorWindowTest, ButtonsBuildTheFormula) {
  Click({"2", "+", "3", "*", "4", "="});
  EXPECT_EQ(LastTapeLine(), "(2+3)*4=20");
  EXPECT_EQ(Calc.TapeLines().size(), 4);
  EXPECT_EQ(Calc.DisplayText(), "0");
  // The tape is right-aligned.
  const QTextBlock Last = Calc.RichEdit1->document()->lastBlock();
  EXPECT_EQ(Last.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

  Click({"7", "Mod", "3", "="});
  EXPECT_EQ(LastTapeLine(), "7 mod 3=1");
  Click({"5", "-/+"});
  EXPECT_EQ(Calc.DisplayText(), "-5");
  Click({"Del"});
  EXPECT_EQ(Calc.DisplayText(), "-");
  Click({"C"});
  EXPECT_EQ(Calc.DisplayText(), "0");
  Click({"1", "0", "/", "4", "=", "M+", "M-"});
  EXPECT_EQ(LastTapeLine(), "10/4=2.5");
  EXPECT_EQ(Calc.DisplayText(), "2.5");
}

struct TKeyCase {
  int Code;
  Qt::KeyboardModifiers Modifiers;
  const char* Text;     // the character typed, as the keyboard layout gives it
  const char* Caption;  // the button it acts as; nullptr: no key
};

const TKeyCase KeyCases[] = {
    // By key code, when the key sends no character.
    {Qt::Key_0, Qt::NoModifier, "", "0"},       {Qt::Key_5, Qt::NoModifier, "", "5"},
    {Qt::Key_9, Qt::KeypadModifier, "", "9"},   {Qt::Key_1, Qt::KeypadModifier, "", "1"},
    {Qt::Key_Asterisk, Qt::KeypadModifier, "", "*"}, {Qt::Key_Plus, Qt::KeypadModifier, "", "+"},
    {Qt::Key_Minus, Qt::KeypadModifier, "", "-"},    {Qt::Key_Slash, Qt::KeypadModifier, "", "/"},
    {Qt::Key_Period, Qt::KeypadModifier, "", "."},   {Qt::Key_Comma, Qt::KeypadModifier, "", "."},
    {Qt::Key_Period, Qt::NoModifier, "", "."},  {Qt::Key_Return, Qt::NoModifier, "", "="},
    {Qt::Key_Enter, Qt::KeypadModifier, "", "="}, {Qt::Key_Escape, Qt::NoModifier, "", "C"},
    {Qt::Key_Plus, Qt::NoModifier, "", "+"},    {Qt::Key_Minus, Qt::NoModifier, "", "-"},
    {Qt::Key_Asterisk, Qt::NoModifier, "", "*"}, {Qt::Key_Slash, Qt::NoModifier, "", "/"},
    {Qt::Key_Backspace, Qt::NoModifier, "", "Del"}, {Qt::Key_Delete, Qt::NoModifier, "", "Del"},
    {Qt::Key_Comma, Qt::NoModifier, "", "."},   {Qt::Key_Equal, Qt::NoModifier, "", "="},
    {Qt::Key_M, Qt::NoModifier, "", nullptr},
    // By the character typed, whatever key of whichever layout gives it.
    {Qt::Key_Plus, Qt::ShiftModifier, "+", "+"}, {Qt::Key_8, Qt::ShiftModifier, "*", "*"},
    {Qt::Key_7, Qt::ShiftModifier, "/", "/"},   {Qt::Key_Minus, Qt::NoModifier, "-", "-"},
    {Qt::Key_0, Qt::ShiftModifier, "=", "="},   {Qt::Key_Comma, Qt::KeypadModifier, ",", "."},
    {Qt::Key_Semicolon, Qt::NoModifier, ",", "."}, {Qt::Key_3, Qt::ShiftModifier, "3", "3"},
    {Qt::Key_Ampersand, Qt::NoModifier, "&", nullptr}, {Qt::Key_Return, Qt::NoModifier, "\r", "="},
    {Qt::Key_Escape, Qt::NoModifier, "\x1b", "C"}, {Qt::Key_Backspace, Qt::NoModifier, "\b", "Del"},
    {Qt::Key_Delete, Qt::NoModifier, "\x7f", "Del"},
    // Shortcuts are not typing.
    {Qt::Key_5, Qt::ControlModifier, "", nullptr}, {Qt::Key_Plus, Qt::AltModifier, "+", nullptr},
};

// Each key acts exactly like a click on its button; no other key does anything.
TEST_F(CalculatorWindowTest, KeyboardMap) {
  for (const auto& Case : KeyCases) {
    TfrmCalc ByKey, ByButton;
    for (TfrmCalc* Window : {&ByKey, &ByButton}) {
      Window->Keypad().Digit('7');
      Window->Keypad().AddOperator("+");
      Window->Keypad().Digit('2');
    }
    QKeyEvent Press(QEvent::KeyPress, Case.Code, Case.Modifiers, QString::fromLatin1(Case.Text));
    QApplication::sendEvent(&ByKey, &Press);
    if (Case.Caption) {
      for (int n = 1; n <= 24; ++n)
        if (ByButton.SpeedButton(n)->text() == Case.Caption) ByButton.SpeedButton(n)->click();
    }
    const QString Name = QString("key %1 modifiers %2 text %3").arg(Case.Code).arg(int(Case.Modifiers)).arg(Case.Text);
    EXPECT_EQ(ByKey.DisplayText(), ByButton.DisplayText()) << Name.toStdString();
    EXPECT_EQ(ByKey.TapeLines(), ByButton.TapeLines()) << Name.toStdString();
  }
}

// A formula typed on the main keyboard, parentheses and all.
TEST_F(CalculatorWindowTest, TypedFormulas) {
  const std::pair<const char*, const char*> Typed[] = {
      {"(2+3)*4\r", "(2+3)*4=20"}, {"2*(3+4)=", "2*(3+4)=14"}, {"10/4\r", "10/4=2.5"},
      {"1,5+1\r", "1.5+1=2.5"},    {"9-(1+1\r", "9-(1+1)=7"}};
  for (const auto& [Keys, TapeLine] : Typed) {
    for (const char Character : std::string(Keys)) {
      QKeyEvent Press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(Character)));
      QApplication::sendEvent(&Calc, &Press);
    }
    EXPECT_EQ(LastTapeLine(), TapeLine) << Keys;
  }
}

TEST_F(CalculatorWindowTest, EnterAndEscape) {
  Key(Qt::Key_8);
  Key(Qt::Key_Asterisk, Qt::KeypadModifier);
  Key(Qt::Key_3, Qt::KeypadModifier);
  Key(Qt::Key_Return);
  EXPECT_EQ(LastTapeLine(), "8*3=24");
  Key(Qt::Key_4);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Calc.DisplayText(), "0");
  EXPECT_EQ(Calc.TapeLines().size(), 3);
}

// An evaluation that takes its time goes on in the background: the window
// shows it is busy and takes no keys but "C" and Esc until the result is
// there; Esc stops it and clears, and the last result stays.
TEST_F(CalculatorWindowTest, LongEvaluationsRunInTheBackground) {
  Calc.SetQuickCalculationTime(std::chrono::milliseconds(0));
  Click({"2", "+", "3", "*", "4", "="});
  ASSERT_TRUE(Calc.IsCalculating());
  EXPECT_EQ(Calc.DisplayText(), TfrmCalc::BusyText);
  EXPECT_EQ(LastTapeLine(), "(2+3)*4=");
  EXPECT_EQ(Calc.cursor().shape(), Qt::BusyCursor);
  for (int n : {1, 11, 14, 23, 21, 24}) EXPECT_FALSE(Calc.SpeedButton(n)->isEnabled()) << n;
  for (int n : {15, 17, 20}) EXPECT_TRUE(Calc.SpeedButton(n)->isEnabled()) << n;
  Key(Qt::Key_5);
  Click({"5"});
  for (int Waited = 0; Calc.IsCalculating() && Waited < 10000; Waited += 10) QTest::qWait(10);
  ASSERT_FALSE(Calc.IsCalculating());
  EXPECT_EQ(LastTapeLine(), "(2+3)*4=20");
  EXPECT_EQ(Calc.DisplayText(), "0");
  EXPECT_TRUE(Calc.SpeedButton(1)->isEnabled());
  EXPECT_NE(Calc.cursor().shape(), Qt::BusyCursor);

  Click({"9", "*", "9", "="});
  ASSERT_TRUE(Calc.IsCalculating());
  Key(Qt::Key_Escape);
  EXPECT_FALSE(Calc.IsCalculating());
  QTest::qWait(50);  // a notice of the stopped run changes nothing
  EXPECT_EQ(Calc.TapeLines().size(), 3);
  EXPECT_EQ(Calc.DisplayText(), "0");
  EXPECT_TRUE(Calc.SpeedButton(1)->isEnabled());
  Click({"M+", "M-"});
  EXPECT_EQ(Calc.DisplayText(), "20");
  Click({"C", "7", "*", "6", "="});
  for (int Waited = 0; Calc.IsCalculating() && Waited < 10000; Waited += 10) QTest::qWait(10);
  EXPECT_EQ(LastTapeLine(), "7*6=42");
}

class CalculatorPageTest : public MainFormTest {
 protected:
  TfrmCalc* Calc() { return Form->CalculatorPage->Calculator(); }
  QWidget* Panel7() { return Form->CalculatorPage->Panel7; }
};

TEST_F(CalculatorPageTest, DockedAtStartup) {
  OpenWithTrips({"A"});
  EXPECT_TRUE(Calc()->IsDocked());
  EXPECT_EQ(Calc()->parentWidget(), Panel7());
  EXPECT_EQ(Calc()->pos(), QPoint(0, 0));
  EXPECT_FALSE(Calc()->isHidden());
}

TEST_F(CalculatorPageTest, UnDockFloatsAndDockReturns) {
  OpenWithTrips({"A"});
  Calc()->SpeedButton(20)->click();  // UnDock
  EXPECT_FALSE(Calc()->IsDocked());
  EXPECT_TRUE(Calc()->isWindow());
  EXPECT_TRUE(Calc()->isVisible());
  EXPECT_EQ(Calc()->pos(), QPoint(TfrmCalc::FloatLeft, TfrmCalc::FloatTop));
  EXPECT_TRUE(Calc()->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(Calc()->windowType(), Qt::Tool);
  EXPECT_FALSE(Calc()->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
  EXPECT_EQ(Calc()->size(), QSize(312, 450));

  Calc()->SpeedButton(17)->click();  // Dock
  EXPECT_TRUE(Calc()->IsDocked());
  EXPECT_EQ(Calc()->pos(), QPoint(0, 0));
  // And once more.
  Calc()->SpeedButton(20)->click();
  Calc()->SpeedButton(17)->click();
  EXPECT_EQ(Calc()->parentWidget(), Panel7());
}

TEST_F(CalculatorPageTest, OnlyLettingGoOfTheTitleBarOverThePanelDocksIt) {
  OpenWithTrips({"A"});
  Form->PageControl1->setCurrentIndex(TMainForm::CalculatorPageIndex);
  // "UnDock" is clicked where the docked window lies over the panel; the
  // window manager then places the floating window over the panel too.
  QCursor::setPos(Calc()->SpeedButton(20)->mapToGlobal(QPoint(10, 8)));
  Calc()->SpeedButton(20)->click();
  Calc()->move(Panel7()->mapToGlobal(QPoint(4, 4)));
  ASSERT_TRUE(Panel7()->rect().contains(Panel7()->mapFromGlobal(Calc()->frameGeometry().center())));
  Calc()->WindowMoveSettled();
  EXPECT_FALSE(Calc()->IsDocked());
  // The user drags it there by its title bar and lets go.
  const QRect Frame = Calc()->frameGeometry();
  ASSERT_LT(Frame.top(), Calc()->geometry().top());
  QCursor::setPos(QPoint(Frame.center().x(), Frame.top()));
  Calc()->WindowMoveSettled();
  EXPECT_TRUE(Calc()->IsDocked());
}

TEST_F(CalculatorPageTest, ClosingTheFloatingWindowDocksIt) {
  OpenWithTrips({"A"});
  Calc()->SpeedButton(20)->click();
  Calc()->SpeedButton(2)->click();  // "8": the state survives
  EXPECT_TRUE(Calc()->close() == false || Calc()->IsDocked());
  EXPECT_TRUE(Calc()->IsDocked());
  EXPECT_EQ(Calc()->DisplayText(), "8");
  Calc()->SpeedButton(15)->click();
  EXPECT_EQ(Calc()->DisplayText(), "0");
}

TEST_F(CalculatorPageTest, MainWindowClosesWithTheCalculatorFloating) {
  OpenWithTrips({"A"});
  Calc()->SpeedButton(20)->click();
  ASSERT_TRUE(Calc()->isWindow());
  EXPECT_TRUE(CloseForm());
  Form.reset();
}

TEST_F(CalculatorPageTest, DraggedOverTheDockPanelItDocks) {
  OpenWithTrips({"A"});
  Form->PageControl1->setCurrentIndex(TMainForm::CalculatorPageIndex);
  Calc()->SpeedButton(20)->click();
  ASSERT_TRUE(Calc()->isWindow());
  // Drag by the background from the floating position onto the panel.
  const QPoint Grip(306, 196);  // between the tape and the display
  const QPoint Target = Panel7()->mapToGlobal(QPoint(40, 40));
  QTest::mousePress(Calc(), Qt::LeftButton, Qt::NoModifier, Grip);
  QMouseEvent Move(QEvent::MouseMove, QPointF(Grip + QPoint(30, 30)), QPointF(Calc()->mapToGlobal(Grip) + QPoint(30, 30)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Calc(), &Move);
  QMouseEvent Moved(QEvent::MouseMove, QPointF(Grip), QPointF(Target), Qt::NoButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(Calc(), &Moved);
  QMouseEvent Release(QEvent::MouseButtonRelease, QPointF(Grip), QPointF(Target), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(Calc(), &Release);
  EXPECT_TRUE(Calc()->IsDocked());
}

TEST_F(CalculatorPageTest, DraggedOutOfTheDockPanelItFloats) {
  OpenWithTrips({"A"});
  Form->PageControl1->setCurrentIndex(TMainForm::CalculatorPageIndex);
  const QPoint Grip(306, 196);
  const QPoint Away = Form->mapToGlobal(QPoint(600, 300));
  QTest::mousePress(Calc(), Qt::LeftButton, Qt::NoModifier, Grip);
  QMouseEvent Move(QEvent::MouseMove, QPointF(Grip), QPointF(Away), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(Calc(), &Move);
  QMouseEvent Release(QEvent::MouseButtonRelease, QPointF(Grip), QPointF(Away), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(Calc(), &Release);
  EXPECT_FALSE(Calc()->IsDocked());
  EXPECT_EQ(Calc()->pos(), Away - Grip);
}

TEST_F(CalculatorPageTest, PickingTheTabGivesTheCalculatorTheFocus) {
  OpenWithTrips({"A"});
  QApplication::setActiveWindow(Form.get());
  Form->PageControl1->setCurrentIndex(TMainForm::CalculatorPageIndex);
  EXPECT_TRUE(Calc()->hasFocus());
  // Keys typed now reach the calculator.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_4);
  EXPECT_EQ(Calc()->DisplayText(), "4");
}

TEST_F(CalculatorPageTest, RenderWithResultOnTheTape) {
  OpenWithTrips({"A"});
  Form->PageControl1->setCurrentIndex(TMainForm::CalculatorPageIndex);
  for (int n : {8, 14, 9, 16, 4, 23}) Calc()->SpeedButton(n)->click();  // 2 + 3 * 4 =
  EXPECT_EQ(Calc()->TapeLines().back(), "(2+3)*4=20");
  const QPixmap Picture = Form->grab();
  EXPECT_FALSE(Picture.isNull());
  if (qEnvironmentVariableIsSet("QMP_RENDER_DIR"))
    Picture.save(qEnvironmentVariable("QMP_RENDER_DIR") + "/calculator-page.png");
}

}  // namespace
