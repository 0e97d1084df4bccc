// Paints the page button pictures (49 x 49) and the banner (601 x 89) and
// writes them as PNG files into the folder given (resources/pictures).
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <iostream>

#include "ui/Fonts.h"

namespace {

const QColor Ink(40, 60, 45);
const QColor Forest(46, 125, 50);
const QColor Sky(90, 160, 220);
const QColor Paper(250, 248, 240);
const QColor Brick(200, 70, 50);
const QColor Gold(230, 175, 40);

using TPainting = std::function<void(QPainter&)>;

QPixmap Paint(int Width, int Height, const TPainting& Painting) {
  QPixmap Picture(Width, Height);
  Picture.fill(Qt::transparent);
  QPainter Painter(&Picture);
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.setPen(QPen(Ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  Painting(Painter);
  return Picture;
}

void Calendar(QPainter& P) {
  P.setBrush(Paper);
  P.drawRoundedRect(QRectF(5, 8, 39, 36), 4, 4);
  P.setBrush(Brick);
  P.drawRoundedRect(QRectF(5, 8, 39, 10), 4, 4);
  P.drawLine(QPointF(14, 4), QPointF(14, 12));
  P.drawLine(QPointF(35, 4), QPointF(35, 12));
  P.setPen(QPen(Ink, 1));
  for (int Row = 0; Row < 3; ++Row)
    for (int Col = 0; Col < 4; ++Col) {
      P.setBrush(Row == 1 && Col == 2 ? Forest : QColor(200, 210, 200));
      P.drawRect(QRectF(9 + Col * 8.5, 22 + Row * 7, 6, 5));
    }
}

void Backpack(QPainter& P) {
  P.setBrush(Forest);
  P.drawRoundedRect(QRectF(11, 9, 27, 35), 8, 8);
  P.setBrush(QColor(70, 150, 75));
  P.drawRoundedRect(QRectF(15, 26, 19, 13), 3, 3);
  P.setBrush(Qt::NoBrush);
  P.drawArc(QRectF(17, 3, 15, 12), 0, 180 * 16);
  P.drawLine(QPointF(15, 18), QPointF(34, 18));
  P.setBrush(Gold);
  P.drawEllipse(QPointF(24.5, 22), 2, 2);
}

void Signpost(QPainter& P) {
  P.setBrush(QColor(150, 100, 60));
  P.drawRect(QRectF(22, 8, 5, 38));
  P.setBrush(Gold);
  QPolygonF Right({{24, 10}, {40, 10}, {45, 15}, {40, 20}, {24, 20}});
  P.drawPolygon(Right);
  QPolygonF Left({{25, 24}, {9, 24}, {4, 29}, {9, 34}, {25, 34}});
  P.setBrush(QColor(120, 180, 120));
  P.drawPolygon(Left);
  P.setPen(QPen(Ink, 1, Qt::DashLine));
  P.drawLine(QPointF(4, 46), QPointF(45, 46));
}

void Calculator(QPainter& P) {
  P.setBrush(QColor(70, 80, 90));
  P.drawRoundedRect(QRectF(9, 4, 31, 42), 4, 4);
  P.setBrush(QColor(180, 230, 190));
  P.drawRect(QRectF(13, 8, 23, 9));
  P.setPen(QPen(Ink, 1));
  for (int Row = 0; Row < 3; ++Row)
    for (int Col = 0; Col < 3; ++Col) {
      P.setBrush(Col == 2 ? Brick : Paper);
      P.drawRoundedRect(QRectF(13 + Col * 8, 21 + Row * 8, 6, 6), 1, 1);
    }
}

void Cart(QPainter& P) {
  P.setBrush(Qt::NoBrush);
  P.drawLine(QPointF(3, 10), QPointF(10, 10));
  QPolygonF Basket({{10, 14}, {45, 14}, {40, 32}, {15, 32}});
  P.setBrush(QColor(120, 180, 120));
  P.drawPolygon(Basket);
  P.drawLine(QPointF(10, 10), QPointF(17, 38));
  P.drawLine(QPointF(17, 38), QPointF(40, 38));
  P.setBrush(Ink);
  P.drawEllipse(QPointF(20, 43), 3, 3);
  P.drawEllipse(QPointF(37, 43), 3, 3);
  P.setPen(QPen(Ink, 1));
  for (int x = 18; x < 42; x += 6) P.drawLine(QPointF(x, 15), QPointF(x - 1, 31));
}

void Pot(QPainter& P) {
  P.setBrush(QColor(160, 170, 180));
  P.drawRoundedRect(QRectF(8, 22, 33, 20), 4, 4);
  P.drawLine(QPointF(3, 26), QPointF(8, 26));
  P.drawLine(QPointF(41, 26), QPointF(46, 26));
  P.setBrush(QColor(120, 130, 140));
  P.drawRect(QRectF(6, 19, 37, 4));
  P.setBrush(Qt::NoBrush);
  P.setPen(QPen(QColor(120, 120, 120), 2, Qt::SolidLine, Qt::RoundCap));
  for (int x : {16, 25, 34}) {
    QPainterPath Steam(QPointF(x, 15));
    Steam.cubicTo(QPointF(x - 4, 11), QPointF(x + 4, 8), QPointF(x, 3));
    P.drawPath(Steam);
  }
}

void Permit(QPainter& P) {
  P.setBrush(Paper);
  P.drawRect(QRectF(8, 4, 30, 40));
  P.setPen(QPen(Ink, 1));
  for (int y = 11; y <= 27; y += 5) P.drawLine(QPointF(12, y), QPointF(34, y));
  P.setPen(QPen(Brick, 2));
  P.setBrush(QColor(230, 120, 100));
  P.drawEllipse(QPointF(33, 37), 8, 8);
  P.setPen(QPen(Paper, 2));
  P.drawLine(QPointF(29, 37), QPointF(32, 40));
  P.drawLine(QPointF(32, 40), QPointF(37, 34));
}

void People(QPainter& P) {
  P.setBrush(QColor(120, 180, 120));
  P.drawEllipse(QPointF(32, 15), 7, 7);
  P.drawChord(QRectF(20, 24, 24, 26), 0, 180 * 16);
  P.setBrush(Forest);
  P.drawEllipse(QPointF(18, 18), 7, 7);
  P.drawChord(QRectF(5, 27, 26, 26), 0, 180 * 16);
}

void Coins(QPainter& P) {
  P.setBrush(Gold);
  for (int i = 0; i < 4; ++i) P.drawEllipse(QRectF(6, 34 - i * 7, 24, 9));
  P.setBrush(QColor(120, 180, 120));
  P.drawRect(QRectF(28, 12, 17, 30));
  P.setPen(QPen(Ink, 1.5));
  P.drawText(QRectF(28, 12, 17, 30), Qt::AlignCenter, "$");
}

void Report(QPainter& P) {
  P.setBrush(Paper);
  QPolygonF Sheet({{9, 4}, {32, 4}, {40, 12}, {40, 45}, {9, 45}});
  P.drawPolygon(Sheet);
  P.drawLine(QPointF(32, 4), QPointF(32, 12));
  P.drawLine(QPointF(32, 12), QPointF(40, 12));
  P.setPen(QPen(Ink, 1));
  for (int y = 18; y <= 38; y += 5) P.drawLine(QPointF(13, y), QPointF(y == 38 ? 26 : 36, y));
  P.setPen(QPen(Forest, 2));
  P.drawLine(QPointF(13, 10), QPointF(26, 10));
}

void Banner(QPainter& P) {
  const QRectF Area(0, 0, 601, 89);
  QLinearGradient SkyFill(0, 0, 0, 89);
  SkyFill.setColorAt(0, QColor(150, 200, 235));
  SkyFill.setColorAt(1, QColor(225, 240, 225));
  P.setPen(Qt::NoPen);
  P.setBrush(SkyFill);
  P.drawRect(Area);
  P.setBrush(QColor(250, 235, 170));
  P.drawEllipse(QPointF(520, 26), 14, 14);
  P.setBrush(QColor(120, 145, 160));
  P.drawPolygon(QPolygonF({{260, 89}, {350, 20}, {395, 50}, {440, 12}, {540, 89}}));
  P.setBrush(QColor(245, 248, 250));
  P.drawPolygon(QPolygonF({{332, 34}, {350, 20}, {362, 29}, {355, 33}, {345, 29}}));
  P.drawPolygon(QPolygonF({{426, 24}, {440, 12}, {456, 26}, {446, 24}, {437, 29}}));
  P.setBrush(QColor(70, 130, 80));
  P.drawPolygon(QPolygonF({{180, 89}, {330, 45}, {420, 70}, {520, 40}, {601, 60}, {601, 89}}));
  P.setBrush(QColor(40, 95, 55));
  for (int x = 440; x < 600; x += 17) {
    const int h = 18 + (x * 7) % 13;
    P.drawPolygon(QPolygonF({{double(x), 89.0 - h - 4}, {x - 7.0, 85.0}, {x + 7.0, 85.0}}));
  }
  P.setBrush(QColor(55, 110, 65));
  P.drawRect(QRectF(0, 85, 601, 4));

  QFont Title("Comic Sans MS");
  Title.setPixelSize(38);
  Title.setBold(true);
  P.setFont(Title);
  P.setPen(QColor(255, 255, 255, 180));
  P.drawText(QPointF(17, 49), "Quillmoor Planner");
  P.setPen(QColor(30, 70, 40));
  P.drawText(QPointF(15, 47), "Quillmoor Planner");
  QFont Subtitle("Comic Sans MS");
  Subtitle.setPixelSize(15);
  P.setFont(Subtitle);
  P.setPen(QColor(30, 70, 40));
  P.drawText(QPointF(18, 72), "Plan it. Pack it. Walk it.");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication Application(argc, argv);
  RegisterFontSubstitutes();
  const QDir Folder(argc > 1 ? argv[1] : "resources/pictures");
  const struct {
    const char* Name;
    TPainting Painting;
  } Icons[] = {{"calendar", Calendar}, {"gear", Backpack},     {"logistics", Signpost},
               {"calculator", Calculator}, {"shopping", Cart}, {"recipes", Pot},
               {"permits", Permit},    {"contacts", People},   {"budget", Coins},
               {"reports", Report}};
  bool Ok = true;
  for (const auto& Icon : Icons) Ok &= Paint(49, 49, Icon.Painting).save(Folder.filePath(QString(Icon.Name) + ".png"));
  Ok &= Paint(601, 89, Banner).save(Folder.filePath("banner.png"));
  if (!Ok) std::cerr << "qmp-paint-pictures: could not write into " << Folder.path().toStdString() << "\n";
  return Ok ? 0 : 1;
}
