#pragma once
// Framework-internal: the line breaks inside words far wider than a line,
// written into the document before it is laid out.
//
// Qt's default wrapping (at word boundaries, else anywhere) lays out a line
// that starts in a word wider than the line by first measuring the word to
// its end, then breaking it where it overflows. For a word of a megabyte
// (a one-line recipe of a single letter repeated) every printed line costs a
// pass over the rest of the word: a 1 MB word took over a minute to print.
//
// Here each such word is laid out once on its own, breaking anywhere, which
// gives exactly the breaks the default wrapping makes inside it, and a line
// separator goes at each of them. The document then lays out in one pass,
// with the same lines, heights and glyphs: a line separator takes no room
// and draws nothing.
class QTextDocument;

// Only words of letters and digits of the Latin alphabets are split, and
// only where a line may break before them (after blanks that follow a
// letter, a digit or a sentence mark, or at a paragraph's start): there the
// word is sure to start a line, and no line may break inside it. Other long
// runs are left to Qt, slower but with the same result.
void breakLongWordsWhereTheyWrap(QTextDocument& document, double width);
