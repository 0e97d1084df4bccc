// The commands that export and import exchange files: the File menu for a
// whole trip, and the "Import" and "Export" buttons of the Gear and Recipes
// pages for one section.
#pragma once

#include <QObject>

class TMainForm;
struct TExchangeSections;

class TExchangeCommands : public QObject {
  Q_OBJECT
 public:
  // Connects the menu items and the page buttons of Form.
  explicit TExchangeCommands(TMainForm& Form);

  void ExportCurrentTripPlanToFile1Click();
  void ImportTripPlanFromTextFile1Click();
  void Button42Click();  // gear import
  void Button43Click();  // gear export
  void Button44Click();  // recipe import
  void Button45Click();  // recipe export

 private:
  void Export(const TExchangeSections& Sections);
  // Asks for a file and reads a section of it into the selected trip.
  template <class Reader>
  void ImportSection(Reader Read);
  QString AskOpenFile();

  TMainForm& FForm;
};
