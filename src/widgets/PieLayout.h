// Where a pie chart draws its parts: the title on top, the legend below in
// as many rows as it needs, the pie between them and every slice's mark
// beside the pie, moved up or down so that no two marks overlap.
#pragma once

#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

struct TPieSliceText {
  QString Label;
  QString Value;  // the value as the mark writes it
  double Area;    // the share of the pie; 0 for a slice that takes none
};

struct TPieMark {
  QString Text;        // label and value, the label shortened when space is short
  QRectF Box;          // where the text stands
  bool RightSide;      // the text starts at the left of Box
  std::vector<QPointF> Arm;  // from the pie's rim to the text
};

struct TPieLegendEntry {
  QString Text;  // the label, shortened when a row cannot hold it
  QRectF Swatch;
  QRectF Box;
};

struct TPieLayout {
  QRectF Title;
  QPointF Centre;
  double Radius = 0;  // 0 when there is no room for a pie
  // Per slice: degrees clockwise from twelve o'clock.
  std::vector<double> StartAngles;
  std::vector<double> SpanAngles;
  std::vector<TPieMark> Marks;
  std::vector<TPieLegendEntry> Legend;
};

// Lays out a chart of Size whose title uses TitleFont and whose marks and
// legend use SmallFont.
TPieLayout LayOutPie(const QSizeF& Size, const std::vector<TPieSliceText>& Slices, const QFontMetricsF& TitleFont,
                     const QFontMetricsF& SmallFont);
