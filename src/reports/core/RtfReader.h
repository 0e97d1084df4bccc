// Reads rich-text (RTF) bytes into a TRtfDocument.
//
// Understood: groups, the font and colour tables, \b \i \ul (and \ulnone),
// \fs, \f, \cf, \plain, \pard with \ql \qc \qr \qj \li \fi \tx, \par,
// \line, \tab, \'hh and 8-bit text in the code page of the font's \fcharset
// or \cpg or the document's \ansicpg (\mac, \pc, \pca), double-byte code
// pages included, Apple's code pages (\mac, \fcharset77 to 89), \uN with
// \ucN, symbol fonts, list text (\listtext, \pntext), tables (\trowd \cellx
// \clbrdr* \intbl \cell \row; a nested table's cells, \nestcell, become
// paragraphs of the outer cell, their text also where a writer puts it in
// \nesttableprops), \bin, the common typographic symbols
// and the escaped characters. Groups marked \* and the known non-text
// destinations (style sheet, information, pictures, headers...) are skipped;
// other control words are ignored. Bytes that do not begin with "{\rtf" are
// read as plain text (UTF-8 when valid, else Windows-1252), one paragraph a
// line.
//
// Any bytes up to MaxRichTextBytes give a document: damaged input never
// fails, loops or recurses; the work is linear in the size of the input.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

#include "reports/core/RtfDocument.h"

// The most bytes ReadRtf reads: a document takes memory of several times
// its size in the report editor.
inline constexpr std::size_t MaxRichTextBytes = 16 * 1024 * 1024;

// The most paragraphs ReadRtf reads: each takes memory of its own, so that
// 16 MB of empty paragraphs would take gigabytes.
inline constexpr std::size_t MaxRichTextParagraphs = 250000;

// Thrown by ReadRtf for more than MaxRichTextBytes or MaxRichTextParagraphs;
// reading stops there.
class TRichTextTooLargeError : public std::runtime_error {
 public:
  explicit TRichTextTooLargeError(std::size_t Size);
  static TRichTextTooLargeError TooManyParagraphs();

 private:
  explicit TRichTextTooLargeError(const std::string& Message) : std::runtime_error(Message) {}
};

TRtfDocument ReadRtf(const std::string& Bytes);
