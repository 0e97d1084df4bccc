#include "ui/QtPrompts.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include "ui/ImportPreviewDialog.h"

namespace {

void Box(QWidget* Parent, QMessageBox::Icon Icon, const QString& Text) {
  QMessageBox Message(Icon, QApplication::applicationDisplayName(), Text, QMessageBox::Ok, Parent);
  Message.exec();
}

QString FileDialog(QWidget* Parent, QFileDialog::AcceptMode Mode, const QString& Title,
                   const QString& Filter, const QString& DefaultSuffix, const QString& Selected = QString()) {
  QFileDialog Dialog(Parent, Title, QString(), QtPrompts::QtFilter(Filter));
  if (!Selected.isEmpty()) {
    const QFileInfo File(Selected);
    Dialog.setDirectory(File.absolutePath());
    Dialog.selectFile(File.fileName());
  }
  Dialog.setAcceptMode(Mode);
  Dialog.setDefaultSuffix(DefaultSuffix);
  if (Mode == QFileDialog::AcceptSave) {
    // Whether an existing file may be replaced is asked by the caller,
    // through the prompts (see AskExportFileName).
    Dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without extension takes the one of the chosen file type.
    QObject::connect(&Dialog, &QFileDialog::filterSelected, &Dialog,
                     [&Dialog, DefaultSuffix](const QString& Chosen) {
                       const QString Suffix = QtPrompts::FilterSuffix(Chosen);
                       Dialog.setDefaultSuffix(Suffix.isEmpty() ? DefaultSuffix : Suffix);
                     });
  } else {
    Dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return QString();
  return Dialog.selectedFiles().first();
}

}  // namespace

QString QtPrompts::QtFilter(const QString& Filter) {
  const QStringList Parts = Filter.split('|');
  QStringList Entries;
  for (int i = 0; i + 1 < Parts.size(); i += 2) {
    const QString& Caption = Parts[i];
    Entries.append(Caption.contains('(') ? Caption : Caption + " (" + Parts[i + 1] + ")");
  }
  return Entries.join(";;");
}

QString QtPrompts::FilterSuffix(const QString& QtFilterEntry) {
  const int Open = QtFilterEntry.indexOf("(*.");
  const int Close = QtFilterEntry.indexOf(')', Open);
  if (Open < 0 || Close < 0) return QString();
  const QString Suffix = QtFilterEntry.mid(Open + 3, Close - Open - 3);
  return Suffix.contains(QRegularExpression("[^A-Za-z0-9]")) ? QString() : Suffix;
}

int QtPrompts::ChooseItem(const QString& Caption, const QString& Prompt, const QStringList& Items) {
  bool Chosen = false;
  const QString Item = QInputDialog::getItem(FParent, Caption, Prompt, Items, 0, false, &Chosen);
  return Chosen ? static_cast<int>(Items.indexOf(Item)) : -1;
}

bool QtPrompts::PreviewImport(const TImportPreview& Preview) {
  TImportPreviewDialog Dialog(Preview, FParent);
  return Dialog.exec() == QDialog::Accepted;
}

void QtPrompts::ShowMessage(const QString& Text) { Box(FParent, QMessageBox::NoIcon, Text); }
void QtPrompts::Information(const QString& Text) { Box(FParent, QMessageBox::Information, Text); }
void QtPrompts::Error(const QString& Text) { Box(FParent, QMessageBox::Critical, Text); }

bool QtPrompts::Confirm(const QString& Text) {
  QMessageBox Message(QMessageBox::Question, QApplication::applicationDisplayName(), Text,
                      QMessageBox::Yes | QMessageBox::No, FParent);
  return Message.exec() == QMessageBox::Yes;
}

bool QtPrompts::ConfirmDefaultNo(const QString& Text) {
  QMessageBox Message(QMessageBox::Question, QApplication::applicationDisplayName(), Text,
                      QMessageBox::Yes | QMessageBox::No, FParent);
  Message.setDefaultButton(QMessageBox::No);
  return Message.exec() == QMessageBox::Yes;
}

bool QtPrompts::InputQuery(const QString& Caption, const QString& Prompt, QString& Value) {
  bool Accepted = false;
  const QString Typed = QInputDialog::getText(FParent, Caption, Prompt, QLineEdit::Normal, Value, &Accepted);
  if (Accepted) Value = Typed;
  return Accepted;
}

QStringList QtPrompts::EditNote(const QStringList& Lines) {
  return FNoteEditor ? FNoteEditor(Lines) : QStringList();
}

QString QtPrompts::OpenFileName(const QString& Title, const QString& Filter, const QString& DefaultSuffix) {
  return FileDialog(FParent, QFileDialog::AcceptOpen, Title, Filter, DefaultSuffix);
}

QString QtPrompts::SaveFileName(const QString& Title, const QString& Filter, const QString& DefaultSuffix,
                               const QString& Selected) {
  return FileDialog(FParent, QFileDialog::AcceptSave, Title, Filter, DefaultSuffix, Selected);
}

bool QtPrompts::PrintDialog(QPrinter& Printer) {
  QPrintDialog Dialog(&Printer, FParent);
  return Dialog.exec() == QDialog::Accepted;
}

void QtPrompts::OpenUrl(const QString& Url, std::function<void()> Failed) {
  const QString Opener = QStandardPaths::findExecutable("xdg-open");
  if (Opener.isEmpty()) {
    if (!QDesktopServices::openUrl(QUrl(Url))) Failed();
    return;
  }
  // xdg-open says by its exit status whether a program took the address; Qt
  // would start it detached and report success either way. The process has
  // no parent, so that closing the planner never ends a browser it started.
  auto* Opening = new QProcess;
  Opening->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(Opening, &QProcess::finished, [Opening, Failed](int ExitCode, QProcess::ExitStatus Status) {
    if (Status != QProcess::NormalExit || ExitCode != 0) Failed();
    Opening->deleteLater();
  });
  QObject::connect(Opening, &QProcess::errorOccurred, [Opening, Failed](QProcess::ProcessError Error) {
    if (Error != QProcess::FailedToStart) return;
    Failed();
    Opening->deleteLater();
  });
  Opening->start(Opener, {Url});
}

QString QtPrompts::ClipboardText() { return QGuiApplication::clipboard()->text(); }
void QtPrompts::SetClipboardText(const QString& Text) { QGuiApplication::clipboard()->setText(Text); }
