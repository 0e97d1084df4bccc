#include "widgets/PieLayout.h"

#include <QSizeF>
#include <algorithm>
#include <cmath>

namespace {

constexpr double Margin = 6;         // between the frame and everything in it
constexpr double Gap = 6;            // between the title, the pie area and the legend
constexpr double ArmOut = 10;        // the arm's run out of the rim
constexpr double ArmRun = 8;         // its level run to the text
constexpr double TextGap = 3;        // between the arm's end and the text
constexpr double EntrySpacing = 12;  // between legend entries in a row
constexpr double SwatchGap = 4;      // between a swatch and its text
constexpr double RowSpacing = 2;     // between legend rows
constexpr double Pi = 3.14159265358979323846;

QString MarkText(const TPieSliceText& Slice) { return Slice.Label + " " + Slice.Value; }

// The mark within Width: the label is shortened first, so that the value
// stays readable as long as it can.
QString FitMark(const TPieSliceText& Slice, double Width, const QFontMetricsF& Font) {
  const QString Full = MarkText(Slice);
  if (Font.horizontalAdvance(Full) <= Width) return Full;
  const QString Value = " " + Slice.Value;
  const double LabelWidth = Width - Font.horizontalAdvance(Value);
  const QString Label = Font.elidedText(Slice.Label, Qt::ElideRight, LabelWidth);
  if (!Label.isEmpty()) return Label + Value;
  return Font.elidedText(Full, Qt::ElideRight, Width);
}

// The legend entries flowed into centred rows at the bottom of Inner; Top
// receives the top of the first row (Inner's bottom when there is none).
std::vector<TPieLegendEntry> FlowLegend(const QRectF& Inner, const std::vector<TPieSliceText>& Slices,
                                        const QFontMetricsF& Font, double& Top) {
  const double Line = Font.height();
  const double Swatch = std::round(Line * 0.7);
  const double MaxText = std::max(0.0, Inner.width() - Swatch - SwatchGap);
  std::vector<TPieLegendEntry> Entries;
  std::vector<double> Widths;
  for (const TPieSliceText& Slice : Slices) {
    TPieLegendEntry Entry;
    Entry.Text = Font.horizontalAdvance(Slice.Label) <= MaxText
                     ? Slice.Label
                     : Font.elidedText(Slice.Label, Qt::ElideRight, MaxText);
    Widths.push_back(Font.horizontalAdvance(Entry.Text));
    Entries.push_back(Entry);
  }
  // Rows of entries, each as wide as Inner allows.
  std::vector<std::vector<std::size_t>> Rows;
  double RowWidth = 0;
  for (std::size_t e = 0; e < Entries.size(); ++e) {
    const double Width = Swatch + SwatchGap + Widths[e];
    if (Rows.empty() || RowWidth + EntrySpacing + Width > Inner.width()) {
      Rows.push_back({});
      RowWidth = Width;
    } else {
      RowWidth += EntrySpacing + Width;
    }
    Rows.back().push_back(e);
  }
  const double Height = Rows.empty() ? 0 : Rows.size() * Line + (Rows.size() - 1) * RowSpacing;
  Top = Inner.bottom() - Height;
  double y = Top;
  for (const auto& Row : Rows) {
    double Width = -EntrySpacing;
    for (std::size_t e : Row) Width += EntrySpacing + Swatch + SwatchGap + Widths[e];
    double x = Inner.left() + (Inner.width() - Width) / 2;
    for (std::size_t e : Row) {
      Entries[e].Swatch = QRectF(x, y + (Line - Swatch) / 2, Swatch, Swatch);
      Entries[e].Box = QRectF(x + Swatch + SwatchGap, y, Widths[e], Line);
      x += Swatch + SwatchGap + Widths[e] + EntrySpacing;
    }
    y += Line + RowSpacing;
  }
  return Entries;
}

// Heights for the marks of one side, each at least Step below the one
// above, kept between Top and Bottom while there is room. Wanted holds the
// heights the marks would take beside their slices, in ascending order.
std::vector<double> Spread(const std::vector<double>& Wanted, double Top, double Bottom, double Step) {
  const std::size_t n = Wanted.size();
  std::vector<double> y(n);
  if (n == 0) return y;
  if (n > 1 && (n - 1) * Step > Bottom - Top) Step = std::max(0.0, (Bottom - Top) / (n - 1));
  y[0] = std::max(Wanted[0], Top);
  for (std::size_t i = 1; i < n; ++i) y[i] = std::max(Wanted[i], y[i - 1] + Step);
  if (y[n - 1] > Bottom) {
    y[n - 1] = Bottom;
    for (std::size_t i = n - 1; i-- > 0;) y[i] = std::min(y[i], y[i + 1] - Step);
  }
  return y;
}

// The unit vector from the centre towards Angle (degrees clockwise from twelve o'clock).
QPointF Towards(double Angle) {
  const double Radians = Angle * Pi / 180;
  return {std::sin(Radians), -std::cos(Radians)};
}

}  // namespace

TPieLayout LayOutPie(const QSizeF& Size, const std::vector<TPieSliceText>& Slices, const QFontMetricsF& TitleFont,
                     const QFontMetricsF& SmallFont) {
  TPieLayout Layout;
  const QRectF Inner = QRectF(QPointF(0, 0), Size).adjusted(Margin, Margin / 2, -Margin, -Margin / 2);
  Layout.Title = QRectF(Inner.left(), Inner.top(), Inner.width(), TitleFont.height());
  double LegendTop = Inner.bottom();
  Layout.Legend = FlowLegend(Inner, Slices, SmallFont, LegendTop);
  const double AreaTop = Layout.Title.bottom() + Gap;
  const double AreaBottom = Slices.empty() ? Inner.bottom() : LegendTop - Gap;
  const QRectF Area(Inner.left(), AreaTop, Inner.width(), std::max(0.0, AreaBottom - AreaTop));

  // The pie leaves room for a line of marks above and below it and, where
  // the area is wide enough, for the widest mark on either side.
  const double Line = SmallFont.height();
  const double Beside = ArmOut + ArmRun + TextGap;
  double Widest = 0;
  for (const TPieSliceText& Slice : Slices) Widest = std::max(Widest, SmallFont.horizontalAdvance(MarkText(Slice)));
  const double ByHeight = Area.height() / 2 - Line;
  const double ByWidth = Area.width() / 2 - Beside - Widest;
  const double Least = std::min(ByHeight, Area.width() * 0.15);
  Layout.Radius = std::max(0.0, std::min(ByHeight, std::max(ByWidth, Least)));
  Layout.Centre = Area.center();
  const double r = Layout.Radius;
  const QPointF c = Layout.Centre;

  double Total = 0;
  for (const TPieSliceText& Slice : Slices) Total += Slice.Area;
  double Start = 0;
  for (const TPieSliceText& Slice : Slices) {
    const double Span = Total > 0 ? 360 * Slice.Area / Total : 0;
    Layout.StartAngles.push_back(Start);
    Layout.SpanAngles.push_back(Span);
    Start += Span;
  }

  // Each side's marks in the order of the heights they want.
  std::vector<std::size_t> Sides[2];  // left, right
  std::vector<double> Wanted(Slices.size());
  for (std::size_t s = 0; s < Slices.size(); ++s) {
    const QPointF Direction = Towards(Layout.StartAngles[s] + Layout.SpanAngles[s] / 2);
    Wanted[s] = c.y() + (r + ArmOut) * Direction.y();
    Sides[Direction.x() >= -1e-9 ? 1 : 0].push_back(s);
  }
  Layout.Marks.resize(Slices.size());
  for (int Right = 0; Right <= 1; ++Right) {
    std::vector<std::size_t>& Side = Sides[Right];
    std::stable_sort(Side.begin(), Side.end(), [&](std::size_t a, std::size_t b) { return Wanted[a] < Wanted[b]; });
    std::vector<double> SideWanted;
    for (std::size_t s : Side) SideWanted.push_back(Wanted[s]);
    const std::vector<double> Heights = Spread(SideWanted, Area.top() + Line / 2, Area.bottom() - Line / 2, Line + 1);
    const double Sign = Right ? 1 : -1;
    const double Column = c.x() + Sign * (r + ArmOut + ArmRun);
    const double TextEdge = Column + Sign * TextGap;
    const double Room = Right ? Inner.right() - TextEdge : TextEdge - Inner.left();
    for (std::size_t k = 0; k < Side.size(); ++k) {
      const std::size_t s = Side[k];
      const double y = Heights[k];
      const QPointF Direction = Towards(Layout.StartAngles[s] + Layout.SpanAngles[s] / 2);
      // The arm bends outside the circle ArmOut beyond the rim, at the mark's height.
      const double Rise = y - c.y();
      const double OnCircle = std::sqrt(std::max(0.0, (r + ArmOut) * (r + ArmOut) - Rise * Rise));
      const double Bend = c.x() + Sign * std::max(OnCircle, std::fabs((r + ArmOut) * Direction.x()));
      TPieMark& Mark = Layout.Marks[s];
      Mark.RightSide = Right;
      Mark.Text = FitMark(Slices[s], std::max(0.0, Room), SmallFont);
      const double Width = SmallFont.horizontalAdvance(Mark.Text);
      Mark.Box = QRectF(Right ? TextEdge : TextEdge - Width, y - Line / 2, Width, Line);
      Mark.Arm = {c + r * Direction, QPointF(Bend, y), QPointF(Column, y)};
    }
  }
  return Layout;
}
