// Reads rich-text (RTF) bytes into a TRtfDocument.
//
// Understood: groups, the font and colour tables, \b \i \ul (and \ulnone),
// \fs, \f, \cf, \plain, \pard with \ql \qc \qr \qj, \par, \line, \tab,
// \'hh (Windows-1252), \uN with \ucN, \bin, the common typographic symbols
// and the escaped characters. Groups marked \* and the known non-text
// destinations (style sheet, information, pictures, headers...) are skipped;
// other control words are ignored. Bytes that do not begin with "{\rtf" are
// read as plain text (UTF-8 when valid, else Windows-1252), one paragraph a
// line.
//
// Any bytes give a document: damaged input never fails, loops or recurses;
// the work is linear in the size of the input.
#pragma once

#include <string>

#include "widgets/RtfDocument.h"

TRtfDocument ReadRtf(const std::string& Bytes);
