// The pocket calculator window: keypad, keyboard, tape and memory. It is
// normally docked into a panel of the Calculator page and can float as a small
// tool window that stays on top.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <chrono>
#include <memory>

#include "calc/core/CalcWorker.h"
#include "calc/core/CalculatorKeypad.h"
#include "calc/core/uCalcul.h"

class QFrame;
class QTextEdit;
class QToolButton;

class TfrmCalc : public QWidget {
  Q_OBJECT
 public:
  // Where the floating window goes, and its size with its frame.
  static constexpr int FloatLeft = 200;
  static constexpr int FloatTop = 200;
  static constexpr int FloatWidth = 320;
  static constexpr int FloatHeight = 478;
  // The window's size without its frame.
  static constexpr QSize DesignedSize{312, 450};

  explicit TfrmCalc(QWidget* Parent = nullptr);
  ~TfrmCalc() override;

  // Remembers Panel as the dock panel, docks the window into it and shows it.
  void DockInto(QWidget* Panel);
  bool IsDocked() const;
  QWidget* DockPanel() const { return FDockPanel; }

  TCalculatorKeypad& Keypad() { return *FKeypad; }
  // The text of the display and the lines of the tape, as shown.
  QString DisplayText() const;
  QStringList TapeLines() const;

  // The key SpeedButton1 .. SpeedButton24 of the given number.
  QToolButton* SpeedButton(int Number) const;

  // "=" evaluates on a thread of its own and waits this long for the result;
  // a longer evaluation goes on in the background while the window shows
  // BusyText, wears a busy cursor and takes no keys but "C" (Esc), which
  // stops it, and the docking keys. Zero: always in the background.
  static constexpr std::chrono::milliseconds QuickCalculation{200};
  static constexpr const char* BusyText = "Calculating... Esc stops";
  void SetQuickCalculationTime(std::chrono::milliseconds Time) { FQuickCalculation = Time; }
  bool IsCalculating() const { return FWorker->IsRunning(); }

  // Key handlers, named by their buttons.
  void SpeedButton17Click();  // Dock
  void SpeedButton20Click();  // UnDock

  // A move of the floating window has come to rest. It docks when the user
  // let go of its title bar over the dock panel: the mouse is then on the
  // title bar and over the panel. Moves the window manager makes on its own,
  // such as placing the window after "UnDock", do not dock it.
  void WindowMoveSettled();

  QTextEdit* RichEdit1 = nullptr;  // the tape
  QTextEdit* Memo1 = nullptr;  // the display

 protected:
  bool event(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  void moveEvent(QMoveEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

 private:
  void BuildControls();
  QFrame* Panel(int Left, int Top, int Width, int Height);
  void AddKey(int Number, QWidget* Parent, const QString& Caption, int Left, int Top, int Width,
              int Height, void (TfrmCalc::*Action)());
  void Press(void (TCalculatorKeypad::*Key)());
  // The number of the button a typed character or a key code acts as; 0 for none.
  static int ButtonForCharacter(QChar Typed);
  static int ButtonForKey(int Key);
  void ShowState();
  void CalculationEnded();
  void EnableKeys(bool Enabled);
  void Float(const QPoint& TopLeft);
  // True when the point (global coordinates) lies over the dock panel.
  bool OverDockPanel(const QPoint& Global) const;

  // One handler per key.
  void Digit0() { DigitKey('0'); }
  void Digit1() { DigitKey('1'); }
  void Digit2() { DigitKey('2'); }
  void Digit3() { DigitKey('3'); }
  void Digit4() { DigitKey('4'); }
  void Digit5() { DigitKey('5'); }
  void Digit6() { DigitKey('6'); }
  void Digit7() { DigitKey('7'); }
  void Digit8() { DigitKey('8'); }
  void Digit9() { DigitKey('9'); }
  void DigitKey(char Digit);
  void PointKey();
  void SignKey();
  void PlusKey();
  void MinusKey();
  void TimesKey();
  void DivideKey();
  void ModKey();
  void EqualsKey();
  void ClearKey();
  void DeleteKey();
  void MemoryPlusKey();
  void MemoryMinusKey();

  std::unique_ptr<TCalcul> Calc;
  std::unique_ptr<TCalculatorKeypad> FKeypad;
  std::unique_ptr<TCalcWorker> FWorker;
  std::chrono::milliseconds FQuickCalculation = QuickCalculation;
  QString FCalculatingFormula;  // shown on the tape while it is evaluated
  QPointer<QWidget> FDockPanel;
  QWidget* FKeys = nullptr;  // the tape, the display and the keys, in place
  std::array<QToolButton*, 25> FButtons{};
  // Dragging the window by its background: into or out of the dock panel.
  bool FDragging = false;
  QPoint FPressPosition;  // in the window
  QPoint FPressGlobal;
  QTimer FMoveSettled;
};
