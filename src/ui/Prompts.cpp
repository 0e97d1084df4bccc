#include "ui/Prompts.h"

#include "ui/StoreText.h"

QString StandardErrorText(const QString& Message) {
  if (!Message.isEmpty() && Message.back() > QChar('.')) return Message + QChar('.');
  return Message;
}

QString NoProgramForAddressText(const QString& Url) {
  const QString Address = Url.startsWith("mailto:", Qt::CaseInsensitive) ? Url.section('?', 0, 0) : Url;
  return "This desktop has no program to open \"" + Address + "\".";
}

void OpenAddress(IPrompts& Prompts, const QString& Url) {
  Prompts.OpenUrl(Url, [&Prompts, Url] { Prompts.Error(NoProgramForAddressText(Url)); });
}

void ShowStandardError(IPrompts& Prompts, const std::exception& Failure) {
  Prompts.Error(StandardErrorText(FromStore(Failure.what())));
}
