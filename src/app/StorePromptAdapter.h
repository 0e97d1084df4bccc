// Lets the store ask its questions through the program's prompts.
#pragma once

#include "app/Prompts.h"
#include "app/StoreText.h"
#include "store/Traveler.h"

class TStorePromptAdapter : public TStorePrompt {
 public:
  explicit TStorePromptAdapter(IPrompts& Prompts) : FPrompts(Prompts) {}

  // The dialog's answer is not consulted: a cancelled dialog gives the
  // initial value.
  std::string InputText(const std::string& Caption, const std::string& Prompt,
                        const std::string& Initial) override {
    QString Value = FromStore(Initial);
    FPrompts.InputQuery(FromStore(Caption), FromStore(Prompt), Value);
    return ToStore(Value);
  }

  bool ConfirmYes(const std::string& Text) override { return FPrompts.Confirm(FromStore(Text)); }

 private:
  IPrompts& FPrompts;
};
