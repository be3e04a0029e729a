#include "LanguageChoice.h"

#include <gtest/gtest.h>

using namespace dormivo;

TEST(LanguageChoice, LibraryNameByLanguageId) {
    const struct {
        std::uint16_t id;
        const char* library;
    } cases[] = {
        {0x0809, "MultiLang_en.qm"},    // British English is not in the table
        {0x0409, "MultiLang_en.qm"},    //
        {0x0804, "MultiLang_chn.qm"},   //
        {0x1404, "MultiLang_en.qm"},    // a Chinese variant missing from the table
        {0x0C04, "MultiLang_chn_c.qm"}, //
        {0x0C07, "MultiLang_ger.qm"},   //
        {0x0810, "MultiLang_Ita.qm"},   // capital letter kept
        {0x0411, "MultiLang_Jap.qm"},   //
        {0x3C01, "MultiLang_Arb.qm"},   //
        {0x500A, "MultiLang_spn.qm"},   //
        {0x0422, "MultiLang_ukr.qm"},   //
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageLibraryName(c.id), QString::fromLatin1(c.library)) << std::hex << c.id;
}

TEST(LanguageChoice, LanguageIdOfLocale) {
    const struct {
        const char* locale;
        std::uint16_t id;
    } cases[] = {
        {"en_GB", 0x0809}, {"en_US", 0x0409}, {"zh_CN", 0x0804}, {"zh_TW", 0x0404},
        {"zh_MO", 0x1404}, {"de_DE", 0x0407}, {"de_AT", 0x0C07}, {"pt_BR", 0x0416},
        {"pt_PT", 0x0816}, {"fr_CA", 0x0C0C}, {"nl_NL", 0x0409},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageIdOf(QLocale(QString::fromLatin1(c.locale))), c.id) << c.locale;
}
