#include "reports/ReportExport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <memory>

#include "gear/FieldText.h"
#include "reports/ReportDocument.h"
#include "reports/ReportFiles.h"
#include "reports/Utf8Text.h"
#include "store/Traveler.h"
#include "widgets/RtfReader.h"
#include "widgets/RtfTextDocument.h"
#include "widgets/RtfWriter.h"

const char* const ReportPrintTitle = "Quillmoor Planner Report";

void CompileReportDocument(QTextDocument& Document, const TTrip& Trip, const TDisplayUnits& Units,
                           const TReportChoice& Chosen, const std::string& Footer) {
  SetRtfDocument(Document, ReadRtf(ReadWholeTextFile(ReportTemplateFileName)));
  TReportDocument Report(Document);
  CompileReportText(Report, TReportSections(Trip, Units, Utf8OfStoreText), Chosen, Footer);
}

QPageSize::PageSizeId ReportPageSize(const QLocale& Locale) {
  switch (Locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
    case QLocale::Guatemala:
    case QLocale::CostaRica:
    case QLocale::Panama:
    case QLocale::DominicanRepublic:
    case QLocale::ElSalvador:
    case QLocale::Nicaragua:
      return QPageSize::Letter;
    default:
      return Locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
  }
}

QByteArray ReportPdf(const QTextDocument& Document, QPageSize::PageSizeId PageSize) {
  QByteArray Bytes;
  {
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::WriteOnly);
    QPdfWriter Writer(&Buffer);
    Writer.setTitle(ReportPrintTitle);
    Writer.setCreator("Quillmoor Planner");
    Writer.setPageLayout(QPageLayout(QPageSize(PageSize), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    // Printing lays out a copy on the page and keeps the text as text.
    const std::unique_ptr<QTextDocument> Copy(Document.clone());
    Copy->documentLayout();
    Copy->print(&Writer);
  }
  return Bytes;
}

void WriteReportFile(const std::string& Path, const QTextDocument& Document) {
  if (IsRichTextFileName(Path)) {
    WriteWholeTextFile(Path, WriteRtf(RtfDocumentOf(Document)));
  } else if (HasFileExtension(Path, ".pdf")) {
    const QByteArray Pdf = ReportPdf(Document, ReportPageSize(QLocale::system()));
    WriteWholeTextFile(Path, Pdf.toStdString());
  } else {
    QString Text = Document.toPlainText();
    Text.replace('\n', "\r\n");
    WriteWholeTextFile(Path, (Text + "\r\n").toStdString());
  }
}
