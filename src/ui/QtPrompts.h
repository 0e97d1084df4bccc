// The prompts of the running program: Qt message boxes and dialogs.
#pragma once

#include <functional>

#include "ui/Prompts.h"

class QtPrompts : public IPrompts {
 public:
  // Parent is the window the boxes are centred on; it may change later.
  explicit QtPrompts(QWidget* Parent = nullptr) : FParent(Parent) {}
  void SetParent(QWidget* Parent) { FParent = Parent; }
  // The note dialog is a window of the program; the owner supplies it.
  void SetNoteEditor(std::function<QStringList(const QStringList&)> Editor) {
    FNoteEditor = std::move(Editor);
  }

  void ShowMessage(const QString& Text) override;
  void Information(const QString& Text) override;
  bool Confirm(const QString& Text) override;
  bool ConfirmDefaultNo(const QString& Text) override;
  void Error(const QString& Text) override;
  bool InputQuery(const QString& Caption, const QString& Prompt, QString& Value) override;
  int ChooseItem(const QString& Caption, const QString& Prompt, const QStringList& Items) override;
  bool PreviewImport(const TImportPreview& Preview) override;
  QStringList EditNote(const QStringList& Lines) override;
  QString OpenFileName(const QString& Title, const QString& Filter,
                       const QString& DefaultSuffix) override;
  QString SaveFileName(const QString& Title, const QString& Filter, const QString& DefaultSuffix,
                       const QString& Selected = QString()) override;
  bool PrintDialog(QPrinter& Printer) override;
  void OpenUrl(const QString& Url, std::function<void()> Failed) override;
  QString ClipboardText() override;
  void SetClipboardText(const QString& Text) override;

  // "Text File (*.txt)|*.txt|Any File (*.*)|*.*" -> "Text File (*.txt);;Any File (*.*)"
  static QString QtFilter(const QString& Filter);
  // The extension of a Qt filter entry such as "PDF File (*.pdf)": "pdf";
  // empty for an entry of several patterns or of any file.
  static QString FilterSuffix(const QString& QtFilterEntry);

 private:
  QWidget* FParent;
  std::function<QStringList(const QStringList&)> FNoteEditor;
};
