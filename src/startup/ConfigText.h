// The configuration texts built into the programs as resources
// (":/config/..."), on Qt Core alone so that qmp reads them as the planner does.
#pragma once

#include <QString>

// The text of the resource ":/config/" + Name without the blanks around it;
// empty when the program has no such resource.
QString ConfigText(const QString& Name);

// The footer appended to every report.
QString ReportFooterText();
