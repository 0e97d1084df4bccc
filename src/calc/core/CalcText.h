// Text helpers of the formula evaluator: trimming, the locale's case mapping
// and collation, searching and replacing in linear time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace calc {

// A "blank" is any character of code 0 to 32.
inline bool IsBlankChar(char C) { return static_cast<unsigned char>(C) <= 32; }

std::string_view TrimBlanks(std::string_view Text);
std::string_view TrimLeftBlanks(std::string_view Text);
std::string_view TrimRightBlanks(std::string_view Text);

// Case mapping and collation of the global locale (set by the program's entry).
std::string UpperCase(std::string_view Text);
std::string LowerCase(std::string_view Text);
// Case-sensitive, locale-aware comparison: negative, zero or positive.
int CollateCompare(const std::string& Left, const std::string& Right);

// Position of the first occurrence of Needle in Haystack at or after From,
// or npos. Linear in the lengths, whatever the texts.
std::size_t FindText(std::string_view Haystack, std::string_view Needle, std::size_t From = 0);

// Text with Old replaced by New: every occurrence or the first only, matching
// letter case or ignoring it (locale). An empty Old leaves the text as it is.
// Throws TCalcFault when the result would grow beyond MaxLength.
std::string ReplaceText(const std::string& Text, const std::string& Old, const std::string& New,
                        bool All, bool IgnoreCase, std::size_t MaxLength);

// Integer parts of date and time texts: leading blanks, a sign, decimal digits
// or hexadecimal digits after "$" or "0x".
// Lenient: the value read up to the first character that does not convert.
int LenientInteger(std::string_view Text);
// Strict: the value only when the whole text converts, else Default.
int StrictInteger(std::string_view Text, int Default);

}  // namespace calc
