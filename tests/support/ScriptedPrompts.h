// Prompts for tests: records every text shown and gives the answers the test
// has queued. An unqueued question gets the answer of a user who cancels
// (No, an empty file name, a cancelled input, an empty note).
#pragma once

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "ui/Prompts.h"

struct TShownPrompt {
  // "message", "information", "confirm", "error", "input", "choice", "preview", "note", "open", "save",
  // "print", "url"
  QString Kind;
  // The text shown (for input and choice: caption + "|" + prompt; files: the
  // title; preview: the summary lines, then each row's fields joined by " | ")
  QString Text;
};

class TScriptedPrompts : public IPrompts {
 public:
  // Answers, consumed in order.
  std::deque<bool> ConfirmAnswers;
  std::deque<QString> InputAnswers;  // a null QString answers Cancel
  std::deque<QStringList> NoteAnswers;
  std::deque<QString> FileAnswers;
  std::deque<bool> PrintAnswers;
  std::deque<bool> UrlAnswers;  // false: no program of the desktop opens it
  std::deque<int> ChoiceAnswers;  // -1 answers Cancel
  std::deque<bool> PreviewAnswers;

  std::vector<TShownPrompt> Shown;
  QStringList OpenedUrls;
  QString Clipboard;
  QStringList LastNoteShown;
  // The file each save dialog opened on (empty: the default).
  QStringList SaveSelected;

  // Texts of the prompts of one kind, in order.
  QStringList Texts(const QString& Kind) const;
  // Every prompt as "kind: text", in order.
  QStringList All() const;
  void Clear() { Shown.clear(); }

  void ShowMessage(const QString& Text) override;
  void Information(const QString& Text) override;
  bool Confirm(const QString& Text) override;
  void Error(const QString& Text) override;
  bool InputQuery(const QString& Caption, const QString& Prompt, QString& Value) override;
  int ChooseItem(const QString& Caption, const QString& Prompt, const QStringList& Items) override;
  bool PreviewImport(const TImportPreview& Preview) override;
  QStringList EditNote(const QStringList& Lines) override;
  QString OpenFileName(const QString& Title, const QString& Filter, const QString& DefaultSuffix) override;
  QString SaveFileName(const QString& Title, const QString& Filter, const QString& DefaultSuffix,
                       const QString& Selected) override;
  bool PrintDialog(QPrinter& Printer) override;
  void OpenUrl(const QString& Url, std::function<void()> Failed) override;
  QString ClipboardText() override { return Clipboard; }
  void SetClipboardText(const QString& Text) override { Clipboard = Text; }
};
