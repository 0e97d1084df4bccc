// Everything the program asks or tells the user goes through IPrompts, so that
// tests can answer the dialogs and check the exact texts shown.
#pragma once

#include <QString>
#include <QStringList>
#include <exception>
#include <functional>

class QPrinter;
class QWidget;

// What an import will add, shown before anything is added: summary lines
// and the first rows under their headings.
struct TImportPreview {
  QString Title;
  QStringList Summary;
  QStringList Headings;
  QList<QStringList> Rows;
};

class IPrompts {
 public:
  virtual ~IPrompts() = default;

  // The simple box: the application title and OK.
  virtual void ShowMessage(const QString& Text) = 0;
  // The information box (OK).
  virtual void Information(const QString& Text) = 0;
  // The confirmation box (Yes, No); true only for Yes.
  virtual bool Confirm(const QString& Text) = 0;
  // The confirmation box with No as the default button, for questions whose
  // Yes gives something up.
  virtual bool ConfirmDefaultNo(const QString& Text) { return Confirm(Text); }
  // The error box (error icon, OK), showing Text as given.
  virtual void Error(const QString& Text) = 0;

  // The one-line text input dialog. Value holds the initial text and, when
  // the user confirms, the text typed; returns whether the user confirmed.
  virtual bool InputQuery(const QString& Caption, const QString& Prompt, QString& Value) = 0;

  // The list choice dialog: Prompt above Items; the index chosen, -1 when
  // cancelled.
  virtual int ChooseItem(const QString& Caption, const QString& Prompt, const QStringList& Items) = 0;

  // The import preview (OK, Cancel); true only for OK.
  virtual bool PreviewImport(const TImportPreview& Preview) = 0;

  // The note dialog: shows Lines for editing; returns the lines as typed
  // when confirmed with Ok, and an empty list when closed in any other way.
  virtual QStringList EditNote(const QStringList& Lines) = 0;

  // Open and save dialogs. Filter uses the form "Text File (*.txt)|*.txt";
  // an empty result means the dialog was cancelled. The save dialog does
  // not question an existing file: exports ask through AskExportFileName.
  // Selected, when given, is the file the save dialog opens on: its folder,
  // with its name typed in.
  virtual QString OpenFileName(const QString& Title, const QString& Filter,
                               const QString& DefaultSuffix) = 0;
  virtual QString SaveFileName(const QString& Title, const QString& Filter, const QString& DefaultSuffix,
                               const QString& Selected = QString()) = 0;
  // The print dialog for Printer; true when the user confirms.
  virtual bool PrintDialog(QPrinter& Printer) = 0;

  // Hands a web address or a mailto: link to the desktop shell. Failed runs,
  // possibly later, when no program of the desktop opens it.
  virtual void OpenUrl(const QString& Url, std::function<void()> Failed) = 0;

  virtual QString ClipboardText() = 0;
  virtual void SetClipboardText(const QString& Text) = 0;
};

// The text of the standard error box: the message, with a full stop appended
// when its last character sorts after ".".
QString StandardErrorText(const QString& Message);

// Opens a web address or a mailto: link through the desktop shell; when no
// program opens it, the error box says so, naming the address.
void OpenAddress(IPrompts& Prompts, const QString& Url);
// That message: a mailto: link is named without its subject and body.
QString NoProgramForAddressText(const QString& Url);

// Shows a failure that escaped an event handler in the standard error box.
void ShowStandardError(IPrompts& Prompts, const std::exception& Failure);
