#include "widgets/PieChart.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QPieLegendMarker>
#include <QPieSeries>
#include <QPieSlice>

#include <cmath>
#include <memory>

#include "store/ListIndex.h"

TPieChart::TPieChart(const QString& Title, QWidget* Parent)
    : QChartView(Parent),
      FSeries(new QPieSeries),
      FValueText([](double Value) { return QString::number(Value, 'g', 15); }) {
  auto* Pie = new QChart;
  Pie->setTitle(Title);
  Pie->addSeries(FSeries);
  Pie->legend()->setAlignment(Qt::AlignBottom);
  Pie->legend()->setVisible(true);
  Pie->legend()->setShowToolTips(true);  // an entry cut short shows in full
  Pie->setMargins(QMargins(2, 2, 2, 2));
  Pie->layout()->setContentsMargins(0, 0, 0, 0);
  QFont Small = Pie->legend()->font();
  Small.setPointSizeF(7.5);
  Pie->legend()->setFont(Small);
  FMarkFont = Small;
  Pie->setAnimationOptions(QChart::NoAnimation);
  FSeries->setPieSize(0.6);
  // The view starts with a chart of its own that it lets go of, not deletes.
  std::unique_ptr<QChart> Default(chart());
  setChart(Pie);
  setRenderHint(QPainter::Antialiasing);
  setAccessibleName(Title);
  // A picture, not a control: the Tab order passes it by.
  setFocusPolicy(Qt::NoFocus);
  viewport()->setFocusPolicy(Qt::NoFocus);
}

void TPieChart::Clear() {
  FSeries->clear();
  FSlices.clear();
}

void TPieChart::AddSlice(const QString& Label, double Value) {
  FSlices.push_back({Label, Value});
  const bool TakesArea = std::isfinite(Value) && Value > 0;
  QPieSlice* Slice = FSeries->append(Label + " " + FValueText(Value), TakesArea ? Value : 0.0);
  Slice->setLabelVisible(true);
  Slice->setLabelFont(FMarkFont);
  Slice->setLabelPosition(QPieSlice::LabelOutside);
  StaggerNarrowSliceMarks();
  // The legend names the slices; their marks give the values.
  for (QLegendMarker* Marker : chart()->legend()->markers(FSeries))
    if (auto* PieMarker = qobject_cast<QPieLegendMarker*>(Marker); PieMarker && PieMarker->slice() == Slice)
      PieMarker->setLabel(Label);
  if (!TakesArea && Value != 0) {
    // It takes no area: its mark, in red, still tells the value.
    Slice->setLabelColor(Qt::red);
  }
}

// Marks of neighbouring narrow slices would stand on top of each other: give
// every second and third of a run of them a longer arm.
void TPieChart::StaggerNarrowSliceMarks() {
  const QList<QPieSlice*> Slices = FSeries->slices();
  const double Sum = FSeries->sum();
  int Run = 0;
  for (QPieSlice* Slice : Slices) {
    const bool Narrow = Sum <= 0 || Slice->value() / Sum < 0.06;
    Run = Narrow ? Run + 1 : 0;
    Slice->setLabelArmLengthFactor(Narrow ? 0.15 + 0.2 * ((Run - 1) % 3) : 0.15);
  }
}

const TPieChart::TSlice& TPieChart::SliceAt(int Slice) const {
  CheckListIndex(Slice, FSlices.size());
  return FSlices[static_cast<std::size_t>(Slice)];
}

QString TPieChart::SliceLabel(int Slice) const { return SliceAt(Slice).Label; }
double TPieChart::SliceValue(int Slice) const { return SliceAt(Slice).Value; }

QString TPieChart::SliceMark(int Slice) const {
  SliceAt(Slice);
  return FSeries->slices().at(Slice)->label();
}

QString TPieChart::LegendText(int Slice) const {
  SliceAt(Slice);
  const QPieSlice* Drawn = FSeries->slices().at(Slice);
  for (QLegendMarker* Marker : chart()->legend()->markers(FSeries))
    if (auto* PieMarker = qobject_cast<QPieLegendMarker*>(Marker); PieMarker && PieMarker->slice() == Drawn)
      return PieMarker->label();
  return QString();
}

double TPieChart::DrawnValue(int Slice) const {
  SliceAt(Slice);
  return FSeries->slices().at(Slice)->value();
}

QString TPieChart::Title() const { return chart()->title(); }
