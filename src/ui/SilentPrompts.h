// Prompts that show nothing and answer every question as a user who cancels;
// for the tools and benchmarks that run windows without a user. Error texts
// go to the standard error stream.
#pragma once

#include <cstdio>

#include "ui/Prompts.h"

class TSilentPrompts : public IPrompts {
 public:
  void ShowMessage(const QString&) override {}
  void Information(const QString&) override {}
  bool Confirm(const QString&) override { return false; }
  void Error(const QString& Text) override { std::fprintf(stderr, "error box: %s\n", qPrintable(Text)); }
  bool InputQuery(const QString&, const QString&, QString&) override { return false; }
  int ChooseItem(const QString&, const QString&, const QStringList&) override { return -1; }
  bool PreviewImport(const TImportPreview&) override { return false; }
  QStringList EditNote(const QStringList&) override { return {}; }
  QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString SaveFileName(const QString&, const QString&, const QString&, const QString&) override { return {}; }
  bool PrintDialog(QPrinter&) override { return false; }
  void OpenUrl(const QString&, std::function<void()>) override {}
  QString ClipboardText() override { return {}; }
  void SetClipboardText(const QString&) override {}
};
