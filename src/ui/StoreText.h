// The one crossing between store bytes and the text the UI shows.
//
// Store text is bytes. It is shown as UTF-8 when it is valid UTF-8 and as
// Windows-1252 otherwise; what the user types is stored as UTF-8.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

QString FromStore(const std::string& Bytes);
std::string ToStore(const QString& Text);

QStringList FromStoreLines(const std::vector<std::string>& Lines);
std::vector<std::string> ToStoreLines(const QStringList& Lines);
