#pragma once

#include <QString>
#include <QStringList>

namespace dormivo {

// Makes the compiled-in artwork (":/artwork/...") available; safe to call often.
void initArtwork();

// The action pictures by `actionPicture` 0 to 4.
QStringList actionPicturePaths();
QString logoPath();
QString windowIconPath();

} // namespace dormivo
