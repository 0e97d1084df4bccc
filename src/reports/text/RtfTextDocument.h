// Moves a rich-text document between TRtfDocument and a QTextDocument.
#pragma once

#include "reports/core/RtfDocument.h"

class QTextDocument;

// Replaces the content of Target by Document.
void SetRtfDocument(QTextDocument& Target, const TRtfDocument& Document);

// The content of Source: every block a paragraph (table cells included),
// every fragment a run; a format that leaves the font open takes the
// document's default font. Embedded objects are left out.
TRtfDocument RtfDocumentOf(const QTextDocument& Source);
