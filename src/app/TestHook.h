// Lets the tests run the real program as a child process without a display
// server or a user: when the environment variable QUILLMOOR_TEST_SCRIPT is
// set, every prompt is printed to standard output as "kind: text" and
// answered from the script instead of a dialog, and buttons named in the
// script are clicked once the window is up. Unset, nothing changes.
//
// Script: steps separated by ";": "confirm=yes" or "confirm=no" answer the
// next confirmation, "input=<text>" the next text input, "click=<object
// name>" clicks that button, "choose=<object name>:<text>" picks that entry
// of a drop-down list as the user would, and "print=<object name>" prints
// the text a drop-down list shows as "<object name>: <text>". Unanswered
// questions get No or Cancel. After the clicks the program prints "ready".
#pragma once

#include <QStringList>
#include <deque>
#include <memory>

#include "ui/Prompts.h"

class QWidget;

class TTestHook : public IPrompts {
 public:
  // Null when the environment variable is not set.
  static std::unique_ptr<TTestHook> FromEnvironment();

  // Clicks the buttons of the script inside Window, once its event loop runs.
  void RunClicks(QWidget& Window);

  void ShowMessage(const QString& Text) override { Print("message", Text); }
  void Information(const QString& Text) override { Print("information", Text); }
  bool Confirm(const QString& Text) override;
  void Error(const QString& Text) override { Print("error", Text); }
  bool InputQuery(const QString& Caption, const QString& Prompt, QString& Value) override;
  // The choice and the preview are printed and answered as by a user who cancels.
  int ChooseItem(const QString& Caption, const QString& Prompt, const QStringList&) override {
    Print("choice", Caption + "|" + Prompt);
    return -1;
  }
  bool PreviewImport(const TImportPreview& Preview) override {
    Print("preview", Preview.Summary.join("\n"));
    return false;
  }
  QStringList EditNote(const QStringList&) override { return {}; }
  QString OpenFileName(const QString& Title, const QString&, const QString&) override;
  QString SaveFileName(const QString& Title, const QString&, const QString&, const QString&) override;
  bool PrintDialog(QPrinter&) override { return false; }
  void OpenUrl(const QString& Url, std::function<void()>) override { Print("url", Url); }
  QString ClipboardText() override { return FClipboard; }
  void SetClipboardText(const QString& Text) override { FClipboard = Text; }

 private:
  static void Print(const char* Kind, const QString& Text);

  std::deque<bool> FConfirmAnswers;
  std::deque<QString> FInputAnswers;
  QStringList FClicks;
  QString FClipboard;
};
