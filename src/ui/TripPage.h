// A page of the main window that shows the selected trip. The main window
// calls these steps; each page supplies its own.
#pragma once

#include <QWidget>
#include <vector>

class TAppContext;

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

 protected:
  TAppContext& Context;
};

// The pale green of the window's panels.
QColor PanelGreen();
// Gives a page panel the pale green background.
void PaintPanelGreen(QWidget* Panel);
