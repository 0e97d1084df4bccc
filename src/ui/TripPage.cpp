#include "ui/TripPage.h"

#include <QPalette>

TTripPage::TTripPage(TAppContext& Context, QWidget* Parent) : QWidget(Parent), Context(Context) {
  PaintPanelGreen(this);
}

QColor PanelGreen() { return QColor(192, 220, 192); }

void PaintPanelGreen(QWidget* Panel) {
  QPalette Palette = Panel->palette();
  Palette.setColor(QPalette::Window, PanelGreen());
  Panel->setPalette(Palette);
  Panel->setAutoFillBackground(true);
}
