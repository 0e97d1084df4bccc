#include "reports/text/ReportExport.h"

#include <QTextDocument>
#include <filesystem>
#include <memory>

#include "gear/core/FieldText.h"
#include "reports/core/ReportFiles.h"
#include "reports/core/RtfReader.h"
#include "reports/core/RtfWriter.h"
#include "reports/core/Utf8Text.h"
#include "reports/text/ReportDocument.h"
#include "reports/text/ReportPdf.h"
#include "reports/text/RtfTextDocument.h"
#include "store/Traveler.h"

const char* const ReportPrintTitle = "Quillmoor Planner Report";

void CompileReportDocument(QTextDocument& Document, const TTrip& Trip, const TDisplayUnits& Units,
                           const TReportChoice& Chosen, const std::string& Footer) {
  // A template past the size the reader takes is refused before it is read.
  std::error_code Failed;
  const auto Size = std::filesystem::file_size(ReportTemplateFileName, Failed);
  if (!Failed && Size > MaxRichTextBytes) throw TRichTextTooLargeError(static_cast<std::size_t>(Size));
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
  return TReportPdfWriter(ReportPrintTitle, PageSize).Write(Document);
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
