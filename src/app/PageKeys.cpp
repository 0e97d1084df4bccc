#include "app/PageKeys.h"

#include <QApplication>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include "ui/PageAccess.h"

TPageKeys::TPageKeys(QWidget* Window, QTabWidget* Pages) : QObject(Window), FPages(Pages) {
  const auto Bind = [this, Window](const QKeySequence& Keys, auto Action) {
    auto* Shortcut = new QShortcut(Keys, Window);
    Shortcut->setContext(Qt::WindowShortcut);
    connect(Shortcut, &QShortcut::activated, this, Action);
  };
  Bind(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { Step(1); });
  Bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), [this] { Step(-1); });
  Bind(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { Step(1); });
  Bind(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { Step(-1); });
  for (int Page = 0; Page < 10; ++Page) {
    const int Digit = (Page + 1) % 10;  // Alt+0 is the tenth page
    Bind(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + Digit)), [this, Page] { ShowPage(Page); });
  }
}

void TPageKeys::Step(int By) {
  const int Count = FPages->count();
  if (Count == 0) return;
  ShowPage(((FPages->currentIndex() + By) % Count + Count) % Count);
}

void TPageKeys::ShowPage(int Index) {
  if (Index < 0 || Index >= FPages->count()) return;
  QWidget* Focused = QApplication::focusWidget();
  QWidget* Left = FPages->currentWidget();
  const bool FocusOnPage = !Focused || (Left && Left->isAncestorOf(Focused));
  FPages->setCurrentIndex(Index);
  if (!FocusOnPage) return;
  for (QWidget* Control : ControlsInReadingOrder(FPages->currentWidget()))
    if (Control->isVisible() && Control->isEnabled()) {
      Control->setFocus(Qt::TabFocusReason);
      return;
    }
  FPages->tabBar()->setFocus(Qt::TabFocusReason);
}
