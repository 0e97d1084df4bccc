#include "support/ScriptedPrompts.h"

namespace {

template <class T>
T Take(std::deque<T>& Queue, T Default) {
  if (Queue.empty()) return Default;
  T Answer = Queue.front();
  Queue.pop_front();
  return Answer;
}

}  // namespace

QStringList TScriptedPrompts::Texts(const QString& Kind) const {
  QStringList Result;
  for (const auto& Prompt : Shown)
    if (Prompt.Kind == Kind) Result.append(Prompt.Text);
  return Result;
}

QStringList TScriptedPrompts::All() const {
  QStringList Result;
  for (const auto& Prompt : Shown) Result.append(Prompt.Kind + ": " + Prompt.Text);
  return Result;
}

void TScriptedPrompts::ShowMessage(const QString& Text) { Shown.push_back({"message", Text}); }
void TScriptedPrompts::Information(const QString& Text) { Shown.push_back({"information", Text}); }
void TScriptedPrompts::Error(const QString& Text) { Shown.push_back({"error", Text}); }

bool TScriptedPrompts::Confirm(const QString& Text) {
  Shown.push_back({"confirm", Text});
  return Take(ConfirmAnswers, false);
}

bool TScriptedPrompts::InputQuery(const QString& Caption, const QString& Prompt, QString& Value) {
  Shown.push_back({"input", Caption + "|" + Prompt});
  const QString Answer = Take(InputAnswers, QString());
  if (Answer.isNull()) return false;
  Value = Answer;
  return true;
}

int TScriptedPrompts::ChooseItem(const QString& Caption, const QString& Prompt, const QStringList&) {
  Shown.push_back({"choice", Caption + "|" + Prompt});
  return Take(ChoiceAnswers, -1);
}

bool TScriptedPrompts::PreviewImport(const TImportPreview& Preview) {
  QStringList Lines = Preview.Summary;
  for (const QStringList& Row : Preview.Rows) Lines.append(Row.join(" | "));
  Shown.push_back({"preview", Lines.join("\n")});
  return Take(PreviewAnswers, false);
}

QStringList TScriptedPrompts::EditNote(const QStringList& Lines) {
  Shown.push_back({"note", Lines.join("\n")});
  LastNoteShown = Lines;
  return Take(NoteAnswers, QStringList());
}

QString TScriptedPrompts::OpenFileName(const QString& Title, const QString&, const QString&) {
  Shown.push_back({"open", Title});
  return Take(FileAnswers, QString());
}

QString TScriptedPrompts::SaveFileName(const QString& Title, const QString&, const QString&, const QString& Selected) {
  Shown.push_back({"save", Title});
  SaveSelected.append(Selected);
  return Take(FileAnswers, QString());
}

bool TScriptedPrompts::PrintDialog(QPrinter&) {
  Shown.push_back({"print", QString()});
  return Take(PrintAnswers, false);
}

void TScriptedPrompts::OpenUrl(const QString& Url, std::function<void()> Failed) {
  Shown.push_back({"url", Url});
  OpenedUrls.append(Url);
  if (!Take(UrlAnswers, true)) Failed();
}
