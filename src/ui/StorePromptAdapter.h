// Lets the store ask its questions through the program's prompts.
#pragma once

#include "ui/Prompts.h"
#include "ui/StoreText.h"
#include "store/Traveler.h"

class TStorePromptAdapter : public TStorePrompt {
 public:
  explicit TStorePromptAdapter(IPrompts& Prompts) : FPrompts(Prompts) {}

  bool InputText(const std::string& Caption, const std::string& Prompt, std::string& Value) override {
    QString Text = FromStore(Value);
    if (!FPrompts.InputQuery(FromStore(Caption), FromStore(Prompt), Text)) return false;
    Value = ToStore(Text);
    return true;
  }

  bool ConfirmYes(const std::string& Text) override { return FPrompts.Confirm(FromStore(Text)); }

 private:
  IPrompts& FPrompts;
};
