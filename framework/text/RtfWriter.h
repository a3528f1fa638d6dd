#pragma once
// Writes a StyledText as RTF that other programs read and that readRtf turns
// back into the same text and styles.
//
// The form is fixed so equal values give equal bytes:
//   {\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil Name;}...}{\colortbl;\red0\green0\blue0;...}
//   \pard\qc\f0\fs24\b\cf1 Text\par
//   ...}
// Fonts and colours are numbered in order of first use. A paragraph opens
// with \pard (and \ql, \qc or \qr unless its alignment is the default) when
// it is the first or its alignment differs from the one before; character
// attributes are written where they change. Every character outside
// printable ASCII is \uN? (N as a signed 16-bit number, two of them for a
// character beyond U+FFFF), so the output is 7-bit. "System" and size 0 are
// written as the process's text defaults, because no other reader knows them.
#include <string>

class StyledText;

std::string writeRtf(const StyledText& text);
