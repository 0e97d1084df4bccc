#include "widgets/PieChart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <array>
#include <cmath>

#include "store/Traveler.h"

namespace {

bool TakesArea(double Value) { return std::isfinite(Value) && Value > 0; }

}  // namespace

TPieChart::TPieChart(const QString& Title, QWidget* Parent)
    : QWidget(Parent), FTitle(Title), FValueText([](double Value) { return QString::number(Value, 'g', 15); }) {}

QColor TPieChart::SliceColour(int Slice) {
  // Ten colours that tell neighbours apart; later slices repeat them lighter.
  static const std::array<QColor, 10> Colours = {
      QColor(78, 121, 167), QColor(242, 142, 43),  QColor(225, 87, 89),  QColor(118, 183, 178),
      QColor(89, 161, 79),  QColor(237, 201, 72),  QColor(176, 122, 161), QColor(255, 157, 167),
      QColor(156, 117, 95), QColor(186, 176, 172)};
  const QColor Colour = Colours[static_cast<std::size_t>(Slice) % Colours.size()];
  return Slice < static_cast<int>(Colours.size()) ? Colour : Colour.lighter(125);
}

void TPieChart::Clear() {
  FSlices.clear();
  update();
}

void TPieChart::AddSlice(const QString& Label, double Value) {
  FSlices.push_back({Label, Value, FValueText(Value)});
  update();
}

const TPieChart::TSlice& TPieChart::SliceAt(int Slice) const {
  CheckListIndex(Slice, FSlices.size());
  return FSlices[static_cast<std::size_t>(Slice)];
}

QString TPieChart::SliceLabel(int Slice) const { return SliceAt(Slice).Label; }
double TPieChart::SliceValue(int Slice) const { return SliceAt(Slice).Value; }

QString TPieChart::SliceMark(int Slice) const {
  const TSlice& Shown = SliceAt(Slice);
  return Shown.Label + " " + Shown.ValueText;
}

QString TPieChart::LegendText(int Slice) const { return SliceAt(Slice).Label; }

double TPieChart::DrawnValue(int Slice) const {
  const double Value = SliceAt(Slice).Value;
  return TakesArea(Value) ? Value : 0.0;
}

QFont TPieChart::TitleFont() const { return font(); }

QFont TPieChart::SmallFont() const {
  QFont Small = font();
  Small.setPointSizeF(7.5);
  return Small;
}

TPieLayout TPieChart::Layout() const {
  std::vector<TPieSliceText> Texts;
  for (int s = 0; s < SliceCount(); ++s) Texts.push_back({SliceAt(s).Label, SliceAt(s).ValueText, DrawnValue(s)});
  return LayOutPie(size(), Texts, QFontMetricsF(TitleFont()), QFontMetricsF(SmallFont()));
}

void TPieChart::paintEvent(QPaintEvent*) {
  const TPieLayout Parts = Layout();
  QPainter Painter(this);
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.setPen(Qt::NoPen);
  Painter.setBrush(Qt::white);
  Painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);

  Painter.setFont(TitleFont());
  Painter.setPen(palette().color(QPalette::WindowText));
  Painter.drawText(Parts.Title, Qt::AlignCenter, FTitle);

  const QRectF Pie(Parts.Centre.x() - Parts.Radius, Parts.Centre.y() - Parts.Radius, 2 * Parts.Radius,
                   2 * Parts.Radius);
  bool AnyArea = false;
  Painter.setPen(QPen(Qt::white, 1));
  for (int s = 0; s < SliceCount(); ++s) {
    const auto i = static_cast<std::size_t>(s);
    if (Parts.SpanAngles[i] <= 0) continue;
    AnyArea = true;
    Painter.setBrush(SliceColour(s));
    // Qt counts sixteenths of a degree anticlockwise from three o'clock.
    const int Start = static_cast<int>(std::lround((90 - Parts.StartAngles[i]) * 16));
    const int Span = static_cast<int>(std::lround(-Parts.SpanAngles[i] * 16));
    if (Parts.SpanAngles[i] >= 360)
      Painter.drawEllipse(Pie);
    else
      Painter.drawPie(Pie, Start, Span);
  }
  if (!AnyArea && Parts.Radius > 0) {
    Painter.setPen(QPen(Qt::lightGray, 1));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawEllipse(Pie);
  }

  Painter.setFont(SmallFont());
  for (int s = 0; s < SliceCount(); ++s) {
    const TPieMark& Mark = Parts.Marks[static_cast<std::size_t>(s)];
    const double Value = SliceAt(s).Value;
    const bool NoShare = !TakesArea(Value) && Value != 0;
    Painter.setPen(QPen(NoShare ? QColor(Qt::red) : QColor(Qt::darkGray), 1));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawPolyline(Mark.Arm.data(), static_cast<int>(Mark.Arm.size()));
    Painter.setPen(NoShare ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    Painter.drawText(Mark.Box, Qt::AlignVCenter | (Mark.RightSide ? Qt::AlignLeft : Qt::AlignRight), Mark.Text);
  }
  for (int s = 0; s < SliceCount(); ++s) {
    const TPieLegendEntry& Entry = Parts.Legend[static_cast<std::size_t>(s)];
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(SliceColour(s));
    Painter.drawRect(Entry.Swatch);
    Painter.setPen(palette().color(QPalette::WindowText));
    Painter.drawText(Entry.Box, Qt::AlignVCenter | Qt::AlignLeft, Entry.Text);
  }
}

bool TPieChart::event(QEvent* Event) {
  if (Event->type() == QEvent::ToolTip) {
    // A mark or legend entry cut short shows in full under the pointer.
    const auto* Help = static_cast<QHelpEvent*>(Event);
    const TPieLayout Parts = Layout();
    for (int s = 0; s < SliceCount(); ++s) {
      const auto i = static_cast<std::size_t>(s);
      if (Parts.Marks[i].Box.contains(Help->pos()) || Parts.Legend[i].Box.contains(Help->pos()) ||
          Parts.Legend[i].Swatch.contains(Help->pos())) {
        QToolTip::showText(Help->globalPos(), SliceMark(s), this);
        return true;
      }
    }
    QToolTip::hideText();
    Event->ignore();
    return true;
  }
  return QWidget::event(Event);
}
