#pragma once
// Framework-internal: EditField.ScrollPosition, the index of the top visible
// line of a multi-line field (lines as laid out, not paragraphs), which Qt
// has no notion of: it is worked out from the document layout against the
// vertical scroll bar.
#include <cstdint>

class QTextEdit;

int32_t topVisibleLine(const QTextEdit& edit);
// Scrolls so that `line` (clamped to the lines there are) is at the top.
void scrollToLine(QTextEdit& edit, int32_t line);
