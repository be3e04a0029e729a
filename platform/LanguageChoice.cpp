#include "LanguageChoice.h"

#include <algorithm>
#include <iterator>

namespace dormivo {

namespace {

struct LocaleId {
    QLocale::Language language;
    QLocale::Territory territory; // AnyTerritory: the language's primary identifier
    std::uint16_t id;
};

// Territory-specific rows come before the language's catch-all row.
const LocaleId kLocaleIds[] = {
    {QLocale::Arabic, QLocale::SaudiArabia, 0x0401},
    {QLocale::Arabic, QLocale::Iraq, 0x0801},
    {QLocale::Arabic, QLocale::Egypt, 0x0C01},
    {QLocale::Arabic, QLocale::Libya, 0x1001},
    {QLocale::Arabic, QLocale::Algeria, 0x1401},
    {QLocale::Arabic, QLocale::Morocco, 0x1801},
    {QLocale::Arabic, QLocale::Tunisia, 0x1C01},
    {QLocale::Arabic, QLocale::Oman, 0x2001},
    {QLocale::Arabic, QLocale::Yemen, 0x2401},
    {QLocale::Arabic, QLocale::Syria, 0x2801},
    {QLocale::Arabic, QLocale::Jordan, 0x2C01},
    {QLocale::Arabic, QLocale::Lebanon, 0x3001},
    {QLocale::Arabic, QLocale::Kuwait, 0x3401},
    {QLocale::Arabic, QLocale::UnitedArabEmirates, 0x3801},
    {QLocale::Arabic, QLocale::Bahrain, 0x3C01},
    {QLocale::Arabic, QLocale::Qatar, 0x4001},
    {QLocale::Arabic, QLocale::AnyTerritory, 0x0401},
    {QLocale::Bulgarian, QLocale::AnyTerritory, 0x0402},
    {QLocale::Catalan, QLocale::AnyTerritory, 0x0403},
    {QLocale::Chinese, QLocale::Taiwan, 0x0404},
    {QLocale::Chinese, QLocale::China, 0x0804},
    {QLocale::Chinese, QLocale::HongKong, 0x0C04},
    {QLocale::Chinese, QLocale::Singapore, 0x1004},
    {QLocale::Chinese, QLocale::Macao, 0x1404},
    {QLocale::Chinese, QLocale::AnyTerritory, 0x0804},
    {QLocale::Czech, QLocale::AnyTerritory, 0x0405},
    {QLocale::Danish, QLocale::AnyTerritory, 0x0406},
    {QLocale::German, QLocale::Switzerland, 0x0807},
    {QLocale::German, QLocale::Austria, 0x0C07},
    {QLocale::German, QLocale::Luxembourg, 0x1007},
    {QLocale::German, QLocale::Liechtenstein, 0x1407},
    {QLocale::German, QLocale::AnyTerritory, 0x0407},
    {QLocale::Greek, QLocale::AnyTerritory, 0x0408},
    {QLocale::English, QLocale::UnitedKingdom, 0x0809},
    {QLocale::English, QLocale::Australia, 0x0C09},
    {QLocale::English, QLocale::Canada, 0x1009},
    {QLocale::English, QLocale::AnyTerritory, 0x0409},
    {QLocale::Spanish, QLocale::Mexico, 0x080A},
    {QLocale::Spanish, QLocale::Spain, 0x0C0A},
    {QLocale::Spanish, QLocale::Guatemala, 0x100A},
    {QLocale::Spanish, QLocale::CostaRica, 0x140A},
    {QLocale::Spanish, QLocale::Panama, 0x180A},
    {QLocale::Spanish, QLocale::DominicanRepublic, 0x1C0A},
    {QLocale::Spanish, QLocale::Venezuela, 0x200A},
    {QLocale::Spanish, QLocale::Colombia, 0x240A},
    {QLocale::Spanish, QLocale::Peru, 0x280A},
    {QLocale::Spanish, QLocale::Argentina, 0x2C0A},
    {QLocale::Spanish, QLocale::Ecuador, 0x300A},
    {QLocale::Spanish, QLocale::Chile, 0x340A},
    {QLocale::Spanish, QLocale::Uruguay, 0x380A},
    {QLocale::Spanish, QLocale::Paraguay, 0x3C0A},
    {QLocale::Spanish, QLocale::Bolivia, 0x400A},
    {QLocale::Spanish, QLocale::ElSalvador, 0x440A},
    {QLocale::Spanish, QLocale::Honduras, 0x480A},
    {QLocale::Spanish, QLocale::Nicaragua, 0x4C0A},
    {QLocale::Spanish, QLocale::PuertoRico, 0x500A},
    {QLocale::Spanish, QLocale::AnyTerritory, 0x0C0A},
    {QLocale::French, QLocale::Belgium, 0x080C},
    {QLocale::French, QLocale::Canada, 0x0C0C},
    {QLocale::French, QLocale::Switzerland, 0x100C},
    {QLocale::French, QLocale::Luxembourg, 0x140C},
    {QLocale::French, QLocale::AnyTerritory, 0x040C},
    {QLocale::Hebrew, QLocale::AnyTerritory, 0x040D},
    {QLocale::Hungarian, QLocale::AnyTerritory, 0x040E},
    {QLocale::Italian, QLocale::Switzerland, 0x0810},
    {QLocale::Italian, QLocale::AnyTerritory, 0x0410},
    {QLocale::Japanese, QLocale::AnyTerritory, 0x0411},
    {QLocale::Korean, QLocale::AnyTerritory, 0x0412},
    {QLocale::Polish, QLocale::AnyTerritory, 0x0415},
    {QLocale::Portuguese, QLocale::Brazil, 0x0416},
    {QLocale::Portuguese, QLocale::AnyTerritory, 0x0816},
    {QLocale::Russian, QLocale::AnyTerritory, 0x0419},
    {QLocale::Swedish, QLocale::AnyTerritory, 0x041D},
    {QLocale::Turkish, QLocale::AnyTerritory, 0x041F},
    {QLocale::Ukrainian, QLocale::AnyTerritory, 0x0422},
};

struct Suffix {
    std::uint16_t id;
    const char* suffix;
};

const Suffix kSuffixes[] = {
    {0x0401, "_Arb"},   {0x0801, "_Arb"}, {0x0C01, "_Arb"}, {0x1001, "_Arb"},   {0x1401, "_Arb"},
    {0x1801, "_Arb"},   {0x1C01, "_Arb"}, {0x2001, "_Arb"}, {0x2401, "_Arb"},   {0x2801, "_Arb"},
    {0x2C01, "_Arb"},   {0x3001, "_Arb"}, {0x3401, "_Arb"}, {0x3801, "_Arb"},   {0x3C01, "_Arb"},
    {0x4001, "_Arb"},   {0x0402, "_blg"}, {0x0403, "_cat"}, {0x0404, "_chn_c"}, {0x0C04, "_chn_c"},
    {0x1004, "_chn_c"}, {0x0804, "_chn"}, {0x0405, "_cze"}, {0x0406, "_dan"},   {0x0407, "_ger"},
    {0x0807, "_ger"},   {0x0C07, "_ger"}, {0x1007, "_ger"}, {0x1407, "_ger"},   {0x0408, "_grk"},
    {0x040A, "_spn"},   {0x080A, "_spn"}, {0x0C0A, "_spn"}, {0x100A, "_spn"},   {0x140A, "_spn"},
    {0x180A, "_spn"},   {0x1C0A, "_spn"}, {0x200A, "_spn"}, {0x240A, "_spn"},   {0x280A, "_spn"},
    {0x2C0A, "_spn"},   {0x300A, "_spn"}, {0x340A, "_spn"}, {0x380A, "_spn"},   {0x3C0A, "_spn"},
    {0x400A, "_spn"},   {0x440A, "_spn"}, {0x480A, "_spn"}, {0x4C0A, "_spn"},   {0x500A, "_spn"},
    {0x040C, "_frn"},   {0x080C, "_frn"}, {0x0C0C, "_frn"}, {0x100C, "_frn"},   {0x140C, "_frn"},
    {0x040D, "_hbw"},   {0x040E, "_hun"}, {0x0410, "_Ita"}, {0x0810, "_Ita"},   {0x0411, "_Jap"},
    {0x0412, "_kor"},   {0x0812, "_kor"}, {0x0415, "_pol"}, {0x0416, "_ptg"},   {0x0816, "_ptg"},
    {0x0419, "_rus"},   {0x041D, "_swd"}, {0x041F, "_tuk"}, {0x0422, "_ukr"},
};

} // namespace

std::uint16_t languageIdOf(const QLocale& locale) {
    for (const LocaleId& row : kLocaleIds) {
        if (row.language == locale.language() &&
            (row.territory == QLocale::AnyTerritory || row.territory == locale.territory()))
            return row.id;
    }
    return 0x0409;
}

QString languageLibraryName(std::uint16_t languageId) {
    const auto* it = std::find_if(std::begin(kSuffixes), std::end(kSuffixes),
                                  [&](const Suffix& s) { return s.id == languageId; });
    const char* suffix = it != std::end(kSuffixes) ? it->suffix : "_en";
    return QStringLiteral("MultiLang") + QLatin1String(suffix) + QStringLiteral(".qm");
}

QString fallbackLanguageLibraryName() {
    return QStringLiteral("MultiLang_en.qm");
}

} // namespace dormivo
