#pragma once
// Framework-internal text helpers shared by the drawing surfaces.
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>

class Graphics;

// The Qt font for the surface's current TextFont, TextSize and styles.
QFont currentFont(const Graphics& g);

// The lines DrawString shows: CR, LF and CRLF break lines; wrap > 0 also
// breaks at blanks so each line fits that width, and cuts a word that is
// wider than the whole line.
QStringList wrapLines(const QString& text, const QFontMetricsF& metrics, double wrap);
