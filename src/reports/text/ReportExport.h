// The compiled report outside the planner's window: compiling it into any
// text document, and writing it as rich text, PDF or plain text. Qt GUI
// types, no widgets, so that the command-line companion can use it too.
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <string>

#include "reports/core/ReportCompiler.h"

class QTextDocument;
struct TDisplayUnits;
struct TTrip;

// The title of a printed report and of an exported PDF.
extern const char* const ReportPrintTitle;

// Loads the report template from the working directory into Document and
// fills in Trip with the Chosen sections, then the footer.
void CompileReportDocument(QTextDocument& Document, const TTrip& Trip, const TDisplayUnits& Units,
                           const TReportChoice& Chosen, const std::string& Footer);

// Letter where the locale's paper is Letter (the United States, Canada,
// Mexico and a few more), A4 elsewhere.
QPageSize::PageSizeId ReportPageSize(const QLocale& Locale);

// Document as a PDF on pages of PageSize, its text selectable, titled
// ReportPrintTitle.
QByteArray ReportPdf(const QTextDocument& Document, QPageSize::PageSizeId PageSize);

// Writes Document to Path: rich text for an .rtf name, PDF (on the page
// size of the user's locale) for a .pdf name, plain text for any other.
// An existing file is never left half written; throws TFileIOError.
void WriteReportFile(const std::string& Path, const QTextDocument& Document);
