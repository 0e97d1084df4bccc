// A page of the main window that shows the selected trip. The main window
// calls these steps; each page supplies its own.
#pragma once

#include <QWidget>
#include <vector>

class QPushButton;
class TAppContext;
enum class TSectionExchange;

class TTripPage : public QWidget {
  Q_OBJECT
 public:
  explicit TTripPage(TAppContext& Context, QWidget* Parent = nullptr);

  // The page's step of the whole-window refresh: show the selected trip.
  virtual void FillPage() {}
  // Empty the page: no trip is left, or none is selected.
  virtual void ClearPage() {}
  // The display units changed (weight, volume).
  virtual void WeightUnitChanged() {}
  virtual void VolumeUnitChanged() {}
  // The entry selected on the page, as positions (empty when none), and
  // selecting it again after a refill, when it still exists (undo, redo).
  virtual std::vector<int> SelectedEntry() const { return {}; }
  virtual void SelectEntry(const std::vector<int>& /*Entry*/) {}
  // The window's start-up, once the start-up configuration is in the context.
  virtual void StartUp() {}
  // The page was picked by its tab or a page key (not by its picture button).
  virtual void ShownByTab() {}

 protected:
  // A button whose click has the main window read or write the exchange
  // file of one section.
  QPushButton* ExchangeButton(const QString& Caption, TSectionExchange Command, QWidget* Parent);

  TAppContext& Context;
};

// The pale green of the window's panels.
QColor PanelGreen();
// Gives a page panel the pale green background.
void PaintPanelGreen(QWidget* Panel);
