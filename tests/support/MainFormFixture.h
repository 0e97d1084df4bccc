// A main window in a fresh working folder, with scripted prompts.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "app/MainUnit.h"
#include "support/ScriptedPrompts.h"
#include "support/WorkingFolder.h"

class MainFormTest : public ::testing::Test {
 protected:
  // Opens the main window on whatever qmp.dat the folder holds now.
  void Open() {
    Form = std::make_unique<TMainForm>(Prompts);
    Form->show();
    Form->Timer1Timer();
  }
  // Writes qmp.dat with what Build puts into a fresh store, as a previous run
  // would have, then opens the window on it.
  void OpenWith(const std::function<void(TTravelerData&)>& Build) {
    {
      TTravelerData Store;
      Build(Store);
      Store.SaveToFile();
    }
    Open();
  }
  // Opens a window whose store holds trips with the given names.
  void OpenWithTrips(const std::vector<std::string>& Names) {
    OpenWith([&](TTravelerData& Store) {
      for (const auto& Name : Names) {
        Store.AppendTrip();
        Store.GetTrip(Store.TripCount() - 1).Name = Name;
      }
    });
  }
  // Closes the window as the user would; true when it closed.
  bool CloseForm() { return Form->close(); }

  TTravelerData& Store() { return Form->TripData(); }
  int Trip() const { return Form->ComboBox1->currentIndex(); }

  TWorkingFolder Folder;
  TScriptedPrompts Prompts;
  std::unique_ptr<TMainForm> Form;
};
