// Writes a TRtfDocument as rich-text (RTF) bytes that RtfReader reads back
// to the same document, and that word processors open.
#pragma once

#include <string>

#include "reports/core/RtfDocument.h"

std::string WriteRtf(const TRtfDocument& Document);
