#include "ui/DarkPalette.h"

QPalette DarkPalette() {
  QPalette Dark(QColor(53, 53, 53));
  Dark.setColor(QPalette::Window, QColor(53, 53, 53));
  Dark.setColor(QPalette::WindowText, Qt::white);
  Dark.setColor(QPalette::Base, QColor(35, 35, 35));
  Dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
  Dark.setColor(QPalette::Text, Qt::white);
  Dark.setColor(QPalette::Button, QColor(53, 53, 53));
  Dark.setColor(QPalette::ButtonText, Qt::white);
  Dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  Dark.setColor(QPalette::HighlightedText, Qt::black);
  Dark.setColor(QPalette::ToolTipBase, QColor(35, 35, 35));
  Dark.setColor(QPalette::ToolTipText, Qt::white);
  for (auto Role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    Dark.setColor(QPalette::Disabled, Role, QColor(160, 160, 160));
  return Dark;
}
