// A titled pie chart: slices added in order, each with a label, a value and
// the chart's automatic colour. Every slice's mark shows its label and value;
// the legend below the pie names the slices.
//
// A value that is negative, or not a number at all, has no share of a whole:
// its slice takes no area of the pie, while its mark, in red, still shows the
// value.
#pragma once

#include <QChartView>
#include <QFont>
#include <QString>
#include <functional>
#include <vector>

class QPieSeries;

class TPieChart : public QChartView {
  Q_OBJECT
 public:
  explicit TPieChart(const QString& Title, QWidget* Parent = nullptr);

  // The text of a value in the marks; by default 15 significant digits.
  void SetValueText(std::function<QString(double)> ValueText) { FValueText = std::move(ValueText); }

  void Clear();
  void AddSlice(const QString& Label, double Value);

  int SliceCount() const { return static_cast<int>(FSlices.size()); }
  QString SliceLabel(int Slice) const;
  double SliceValue(int Slice) const;
  // The text shown by the slice's mark, and its legend entry.
  QString SliceMark(int Slice) const;
  QString LegendText(int Slice) const;
  // The share of the pie the slice is drawn with (0 for a negative value).
  double DrawnValue(int Slice) const;

  QString Title() const;
  // Shown or hidden by the page, whether or not the page itself is on screen.
  bool IsShown() const { return !isHidden(); }

 private:
  struct TSlice {
    QString Label;
    double Value;
  };
  const TSlice& SliceAt(int Slice) const;
  void StaggerNarrowSliceMarks();

  QPieSeries* FSeries;
  QFont FMarkFont;
  std::vector<TSlice> FSlices;
  std::function<QString(double)> FValueText;
};
