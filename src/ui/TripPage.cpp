#include "ui/TripPage.h"

#include <QPalette>
#include <QPushButton>

#include "ui/AppContext.h"

TTripPage::TTripPage(TAppContext& Context, QWidget* Parent) : QWidget(Parent), Context(Context) {
  PaintPanelGreen(this);
}

QPushButton* TTripPage::ExchangeButton(const QString& Caption, TSectionExchange Command, QWidget* Parent) {
  auto* Button = new QPushButton(Caption, Parent);
  connect(Button, &QPushButton::clicked, this, [this, Command] { Context.ExchangeSection(Command); });
  return Button;
}

QColor PanelGreen() { return QColor(192, 220, 192); }

void PaintPanelGreen(QWidget* Panel) {
  QPalette Palette = Panel->palette();
  Palette.setColor(QPalette::Window, PanelGreen());
  // Text on the panel, and the boxes and lists on it, keep dark text on a
  // light ground in any colour scheme: a light scheme colour on the fixed
  // green would be unreadable. Buttons and selections follow the scheme.
  for (auto Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool Enabled = Group != QPalette::Disabled;
    Palette.setColor(Group, QPalette::WindowText, Enabled ? Qt::black : QColor(96, 96, 96));
    Palette.setColor(Group, QPalette::Text, Enabled ? Qt::black : QColor(96, 96, 96));
    Palette.setColor(Group, QPalette::Base, Enabled ? Qt::white : QColor(240, 240, 240));
    Palette.setColor(Group, QPalette::AlternateBase, QColor(245, 245, 245));
    Palette.setColor(Group, QPalette::PlaceholderText, QColor(96, 96, 96));
  }
  Panel->setPalette(Palette);
  Panel->setAutoFillBackground(true);
}
