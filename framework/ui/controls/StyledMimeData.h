#pragma once
// Framework-internal: what a styled field takes from the clipboard or a drop,
// and what it puts there.
//
// Whatever comes in is first read into a StyledText, so only text and the
// character styles and alignments a StyledText holds reach the document:
// images, tables, lists, links and backgrounds never do, and neither the
// document nor the RTF written from it can hold anything else.
#include <optional>

#include "framework/text/StyledText.h"

class QMimeData;

// RTF (ours or another program's) first, then HTML; nullopt when the data
// holds neither, or only RTF that is not RTF. Attributes HTML leaves open
// come from `fallback`.
std::optional<StyledText> styledTextFromMimeData(const QMimeData& data, const TextStyle& fallback);

// True when styledTextFromMimeData may find something.
bool hasStyledMimeData(const QMimeData& data);

// Plain text (LF between paragraphs, as other programs expect) and RTF.
QMimeData* mimeDataFor(const StyledText& text);
