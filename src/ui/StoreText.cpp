#include "ui/StoreText.h"

#include "reports/core/Utf8Text.h"

QString FromStore(const std::string& Bytes) { return QString::fromStdString(Utf8OfStoreText(Bytes)); }

std::string ToStore(const QString& Text) { return Text.toStdString(); }

QStringList FromStoreLines(const std::vector<std::string>& Lines) {
  QStringList Result;
  Result.reserve(static_cast<qsizetype>(Lines.size()));
  for (const auto& Line : Lines) Result.append(FromStore(Line));
  return Result;
}

std::vector<std::string> ToStoreLines(const QStringList& Lines) {
  std::vector<std::string> Result;
  Result.reserve(static_cast<std::size_t>(Lines.size()));
  for (const auto& Line : Lines) Result.push_back(ToStore(Line));
  return Result;
}
