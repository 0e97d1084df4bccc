// What makes a page usable without the mouse and with a screen reader: every
// control carries a name in the page's own words, and Tab visits the controls
// in reading order. The main window applies both to each page it shows.
#pragma once

#include <QList>
#include <QString>

class QWidget;

// A control the keyboard reaches with Tab (enabled or not).
bool IsTabStop(const QWidget* Control);

// The text of a caption as a name: no mnemonic marks, no trailing colon.
QString CaptionAsName(const QString& Caption);

// The controls under Root that Tab stops at, in reading order: as the layouts
// place them (a row left to right, a column top to bottom, a grid row by row,
// a group with its contents), then controls placed without a layout, top to
// bottom and left to right. A scroll area is looked through, not stopped at.
QList<QWidget*> ControlsInReadingOrder(QWidget* Root);

// Chains the Tab order of Root's controls in reading order.
void OrderTabsByReading(QWidget* Root);

// Gives every control and button under Root that a screen reader would find
// nameless an accessible name: the caption of its label (which becomes its
// buddy), else the title of its group, else its hint, else PageName.
void NameControls(QWidget* Root, const QString& PageName);

// The name a screen reader says for Control (its accessibility interface).
QString SpokenName(QWidget* Control);
