#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace dormivo {

// Windows language identifier of a locale (the numbers the language library
// table is keyed by); 0x0409 (US English) for anything not in our table.
std::uint16_t languageIdOf(const QLocale& locale);

// "MultiLang" + suffix for a language identifier, with ".qm" in place of the
// old library extension; the letter case of each suffix is kept.
QString languageLibraryName(std::uint16_t languageId);

// The library loaded when the one for the system language is missing.
QString fallbackLanguageLibraryName();

} // namespace dormivo
