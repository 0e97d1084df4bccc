// The commands that export and import exchange files: the File menu for a
// whole trip, and the "Import" and "Export" buttons of the Gear and Recipes
// pages for one section (asked for through the context).
#pragma once

#include <QObject>

class TMainForm;
struct TExchangeSections;

class TExchangeCommands : public QObject {
  Q_OBJECT
 public:
  // Connects the menu items of Form and answers its pages' exchange buttons.
  explicit TExchangeCommands(TMainForm& Form);

  void ExportCurrentTripPlanToFile1Click();
  void ImportTripPlanFromTextFile1Click();
  void Button42Click();  // gear import
  void Button43Click();  // gear export
  void Button44Click();  // recipe import
  void Button45Click();  // recipe export
  void ImportGearListFromCsvFile1Click();
  void ExportGearListToCsvFile1Click();

 private:
  // The save dialog, once there is a selected trip; empty when cancelled.
  QString AskSaveFile(const QString& Title, const QString& Filter, const QString& Suffix);
  // Asks for a text file and writes Sections of the selected trip into it.
  void Export(const TExchangeSections& Sections);
  void WriteExchange(const QString& FileName, const TExchangeSections& Sections);
  // The gear list in the weight unit shown.
  void WriteGearCsv(const QString& FileName);
  // Reads a section of FileName into the selected trip, then refreshes.
  template <class Reader>
  void ImportSection(Reader Read, const QString& FileName);
  // A gear list from exchange text, or from CSV for a .csv name.
  void ImportGear(const QString& FileName);
  QString AskOpenFile(const QString& Filter);

  TMainForm& FForm;
};
