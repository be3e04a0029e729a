#pragma once

#include <QFont>
#include <QSize>

class QFontMetrics;

namespace dormivo {

// Dialog units to pixels for a dialog in the given font: a horizontal unit is
// a quarter of the font's average letter width, a vertical unit an eighth of
// its line height.
QSize dialogUnitsToPixels(const QFontMetrics& metrics, QSize units);

// Verdana 8 where it is installed, otherwise the system's sans-serif font.
QFont pageFont();

} // namespace dormivo
