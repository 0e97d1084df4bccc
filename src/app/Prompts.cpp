#include "app/Prompts.h"

#include "app/StoreText.h"

QString StandardErrorText(const QString& Message) {
  if (!Message.isEmpty() && Message.back() > QChar('.')) return Message + QChar('.');
  return Message;
}

void ShowStandardError(IPrompts& Prompts, const std::exception& Failure) {
  Prompts.Error(StandardErrorText(FromStore(Failure.what())));
}
