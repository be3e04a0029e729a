#include "StringTable.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

using namespace dormivo;

TEST(StringTable, BuiltinEnglishTextsAreCutToTheirBuffers) {
    StringTable table;
    EXPECT_FALSE(table.hasLibrary());
    EXPECT_EQ(table.load(500, 96), "Varnel Anti-Snoring Pillow Data Monitor Tool - v1.8.1");
    EXPECT_EQ(table.load(527, 64), "Varnel Anti-Snoring Pillow Data Analysis Tool - v1.8.1");
    EXPECT_EQ(table.load(501, 3), "ST");
    EXPECT_EQ(table.load(999), QString());
}

TEST(StringTable, EveryTextTheProgramUsesIsBuiltIn) {
    std::vector<int> ids = {100, 125, 306};
    for (int id = 500; id <= 548; ++id)
        if (id != 534 && id != 539 && id != 540 && id != 542)
            ids.push_back(id);
    for (int id : ids)
        EXPECT_NE(StringTable::builtin(id), nullptr) << id;
}

TEST(StringTable, LanguageLibrariesAreCompleteAndTranslated) {
    for (const char* name : {"MultiLang_chn.qm", "MultiLang_ger.qm"}) {
        StringTable table;
        ASSERT_TRUE(table.loadLibrary(QString::fromLatin1(name))) << name;
        for (int id = 100; id <= 548; ++id) {
            if (!StringTable::builtin(id))
                continue;
            EXPECT_FALSE(table.load(id).isEmpty()) << name << " lacks " << id;
        }
    }
    StringTable chinese;
    ASSERT_TRUE(chinese.loadLibrary(QStringLiteral("MultiLang_chn.qm")));
    EXPECT_EQ(chinese.load(501, 10), QString::fromUtf8("开始"));
}

TEST(StringTable, MissingLibraryLeavesTheBuiltinTable) {
    StringTable table;
    EXPECT_FALSE(table.loadLibrary(QStringLiteral("MultiLang_Jap.qm")));
    EXPECT_FALSE(table.hasLibrary());
    EXPECT_EQ(table.load(522, 16), "STOP");
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
