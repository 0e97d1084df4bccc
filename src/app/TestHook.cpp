#include "app/TestHook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

std::unique_ptr<TTestHook> TTestHook::FromEnvironment() {
  if (!qEnvironmentVariableIsSet("QUILLMOOR_TEST_SCRIPT")) return nullptr;
  auto Hook = std::make_unique<TTestHook>();
  for (const QString& Step : qEnvironmentVariable("QUILLMOOR_TEST_SCRIPT").split(';', Qt::SkipEmptyParts)) {
    const QString Key = Step.section('=', 0, 0);
    const QString Value = Step.section('=', 1);
    if (Key == "confirm") Hook->FConfirmAnswers.push_back(Value == "yes");
    if (Key == "input") Hook->FInputAnswers.push_back(Value);
    if (Key == "click" || Key == "choose" || Key == "print") Hook->FClicks.append(Key + "=" + Value);
  }
  return Hook;
}

void TTestHook::Print(const char* Kind, const QString& Text) {
  std::printf("%s: %s\n", Kind, Text.toUtf8().constData());
  std::fflush(stdout);
}

void TTestHook::RunClicks(QWidget& Window) {
  QTimer::singleShot(100, &Window, [this, &Window] {
    for (const QString& Step : FClicks) {
      const QString Key = Step.section('=', 0, 0);
      const QString Name = Step.section('=', 1);
      if (Key == "choose" || Key == "print") {
        auto* List = Window.findChild<QComboBox*>(Name.section(':', 0, 0));
        if (!List) continue;
        if (Key == "print") {
          Print(qPrintable(List->objectName()), List->currentText());
          continue;
        }
        const int Index = List->findText(Name.section(':', 1));
        if (Index < 0) continue;
        List->setCurrentIndex(Index);
        emit List->activated(Index);
        continue;
      }
      auto* Button = Window.findChild<QAbstractButton*>(Name);
      if (!Button) continue;
      // A press and a release, as the mouse gives them, so the program sees
      // the same input events as from a user.
      const QPointF Center = QRectF(Button->rect()).center();
      const QPointF Global = Button->mapToGlobal(Center);
      QMouseEvent Press(QEvent::MouseButtonPress, Center, Global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(Button, &Press);
      QMouseEvent Release(QEvent::MouseButtonRelease, Center, Global, Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
      QApplication::sendEvent(Button, &Release);
    }
    Print("ready", QString());
  });
}

bool TTestHook::Confirm(const QString& Text) {
  Print("confirm", Text);
  if (FConfirmAnswers.empty()) return false;
  const bool Answer = FConfirmAnswers.front();
  FConfirmAnswers.pop_front();
  return Answer;
}

bool TTestHook::InputQuery(const QString& Caption, const QString& Prompt, QString& Value) {
  Print("input", Caption + "|" + Prompt);
  if (FInputAnswers.empty()) return false;
  Value = FInputAnswers.front();
  FInputAnswers.pop_front();
  return true;
}

QString TTestHook::OpenFileName(const QString& Title, const QString&, const QString&) {
  Print("open", Title);
  return QString();
}

QString TTestHook::SaveFileName(const QString& Title, const QString&, const QString&, const QString&) {
  Print("save", Title);
  return QString();
}
