#include "Artwork.h"

#include <QtGlobal>

// Outside any namespace, as the resource initialiser requires.
static void initArtworkResource() {
    Q_INIT_RESOURCE(artwork);
}

namespace dormivo {

void initArtwork() {
    static const bool done = (initArtworkResource(), true);
    Q_UNUSED(done);
}

QStringList actionPicturePaths() {
    return {QStringLiteral(":/artwork/action-318.svg"), QStringLiteral(":/artwork/action-314.svg"),
            QStringLiteral(":/artwork/action-317.svg"), QStringLiteral(":/artwork/action-316.svg"),
            QStringLiteral(":/artwork/action-315.svg")};
}

QString logoPath() {
    return QStringLiteral(":/artwork/logo-327.svg");
}

QString windowIconPath() {
    return QStringLiteral(":/artwork/dormivo-icon.svg");
}

} // namespace dormivo
