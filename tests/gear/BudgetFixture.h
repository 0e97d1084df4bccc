// The main window on prepared trips, with the Budget Manager page at hand.
#pragma once

#include <QRadioButton>

#include "GearFixture.h"
#include "gear/BudgetPage.h"
#include "gear/core/NumberText.h"
#include "widgets/PieChart.h"

class BudgetPageTest : public GearPageTest {
 protected:
  TBudgetPage& Budget() { return *Form->BudgetPage; }

  // The chart's slices as "label=value text".
  static QStringList Slices(const TPieChart* Chart) {
    QStringList Result;
    for (int s = 0; s < Chart->SliceCount(); ++s)
      Result.append(Chart->SliceLabel(s) + "=" + QString::fromStdString(NumberToText(Chart->SliceValue(s))));
    return Result;
  }
  // Types Text into a box and releases Enter in it, as a user does.
  void TypeAndEnter(QLineEdit* Box, const QString& Text) {
    Box->setText(Text);
    QTest::keyClick(Box, Qt::Key_Return);
  }
  // Releases a key other than Enter in a box.
  void ReleaseKey(QLineEdit* Box, Qt::Key Key) { QTest::keyClick(Box, Key); }
};
