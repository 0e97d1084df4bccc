#include "ui/ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QResizeEvent>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const ScrollerName = "ScreenFitScroller";

bool FitsIn(const QSize& Size, const QSize& Room) {
  return Size.width() <= Room.width() && Size.height() <= Room.height();
}

// The room of Window's frame: the allowance, or the frame the window
// manager put around the window where that is larger.
QSize FrameOf(const QWidget& Window) {
  return (Window.frameGeometry().size() - Window.geometry().size()).expandedTo(TScreenFit::FrameAllowance);
}

// The least size Window's controls take: its layout's, or the minimum set
// on it.
QSize NeededSize(const QWidget& Window) {
  return Window.minimumSizeHint().expandedTo(Window.minimumSize()).expandedTo(QSize(0, 0));
}

// Dialogs that lay their controls out once; a message box lays its own out
// again whenever its text changes.
bool MayScroll(const QWidget& Window) {
  return qobject_cast<const QDialog*>(&Window) && !qobject_cast<const QMessageBox*>(&Window) && Window.layout() &&
         !Window.findChild<QScrollArea*>(ScrollerName, Qt::FindDirectChildrenOnly);
}

// Moves the laid-out controls of Dialog into a scroll area that fills it.
void ScrollControls(QWidget& Dialog) {
  auto* Controls = new QWidget;
  // Takes the layout and the widgets it manages from Dialog.
  Controls->setLayout(Dialog.layout());
  auto* Scroller = new QScrollArea(&Dialog);
  Scroller->setObjectName(ScrollerName);
  Scroller->setFrameShape(QFrame::NoFrame);
  Scroller->setWidgetResizable(true);
  Scroller->setWidget(Controls);
  auto* Layout = new QVBoxLayout(&Dialog);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->addWidget(Scroller);
  // New children of a dialog on screen are not shown by themselves.
  Controls->show();
  Scroller->show();
}

}  // namespace

void TScreenFit::Fit(QWidget& Window, const QRect& Available) {
  const QSize Frame = FrameOf(Window);
  const QSize Room = (Available.size() - Frame).expandedTo(QSize(1, 1));
  if (!FitsIn(NeededSize(Window), Room) && MayScroll(Window)) ScrollControls(Window);
  const QSize Needed = NeededSize(Window);
  if (!FitsIn(Needed, Room)) Window.setMinimumSize(Needed.boundedTo(Room));
  const QPoint Centre = QRect(Window.pos(), Window.size() + Frame).center();
  if (!FitsIn(Window.size(), Room)) Window.resize(Window.size().boundedTo(Room));
  // Controls that scroll up and down keep their width beside the scroll bar.
  if (const auto* Scroller = Window.findChild<QScrollArea*>(ScrollerName, Qt::FindDirectChildrenOnly)) {
    const int Wanted =
        Scroller->widget()->minimumSizeHint().width() + Scroller->verticalScrollBar()->sizeHint().width();
    if (Window.width() < Wanted) Window.resize(std::min(Wanted, Room.width()), Window.height());
  }
  if (!Window.testAttribute(Qt::WA_Moved) && !Window.isVisible()) return;
  QRect Placed(QPoint(0, 0), Window.size() + Frame);
  Placed.moveCenter(Centre);
  Placed.moveLeft(std::clamp(Placed.left(), Available.left(), Available.right() + 1 - Placed.width()));
  Placed.moveTop(std::clamp(Placed.top(), Available.top(), Available.bottom() + 1 - Placed.height()));
  if (Placed.topLeft() != Window.pos()) Window.move(Placed.topLeft());
}

QRect TScreenFit::AvailableArea(const QWidget& Window) {
  const QScreen* Screen = Window.screen();
  if (!Screen && Window.parentWidget()) Screen = Window.parentWidget()->screen();
  if (!Screen) Screen = QGuiApplication::primaryScreen();
  return Screen ? Screen->availableGeometry() : QRect();
}

void TScreenFit::FitEveryWindow(QApplication& Application) {
  Application.installEventFilter(new TScreenFit(&Application));
}

// A window is fitted before it appears: the filter sees its show event
// before the window does, so a dialog then centres itself on its owner at
// the fitted size. A dialog on screen that grows (showing more of its
// controls) is fitted again; sizes the user or the window manager give it
// are left alone.
bool TScreenFit::eventFilter(QObject* Watched, QEvent* Event) {
  const bool Shown = Event->type() == QEvent::Show;
  const bool Grown = Event->type() == QEvent::Resize && !static_cast<QResizeEvent*>(Event)->oldSize().isEmpty() &&
                     !FitsIn(static_cast<QResizeEvent*>(Event)->size(), static_cast<QResizeEvent*>(Event)->oldSize());
  if (!(Shown || Grown) || Event->spontaneous() || !Watched->isWidgetType()) return false;
  auto* Widget = static_cast<QWidget*>(Watched);
  if (Grown && !(qobject_cast<QDialog*>(Widget) && Widget->isVisible())) return false;
  const Qt::WindowType Type = Widget->windowType();
  const bool Fitted = Widget->isWindow() && Type != Qt::Popup && Type != Qt::ToolTip && Type != Qt::SplashScreen &&
                      Type != Qt::Desktop;
  if (Fitted) {
    const QRect Available = AvailableArea(*Widget);
    if (Available.isValid()) Fit(*Widget, Available);
  }
  return false;
}
