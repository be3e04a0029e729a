#include "DialogUnits.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace dormivo {

QSize dialogUnitsToPixels(const QFontMetrics& metrics, QSize units) {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    const int baseY = metrics.height();
    // Rounded as the dialog manager rounds, not truncated.
    return {(units.width() * baseX + 2) / 4, (units.height() * baseY + 4) / 8};
}

QFont pageFont() {
    QFont verdana(QStringLiteral("Verdana"), 8);
    if (QFontInfo(verdana).family().compare(QStringLiteral("Verdana"), Qt::CaseInsensitive) == 0) {
        return verdana;
    }
    QFont sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    sans.setPointSize(8);
    return sans;
}

} // namespace dormivo
