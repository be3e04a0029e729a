#include "RecordingFile.h"

#include "RecordingTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dormivo {
namespace {

QByteArray linesBeforeMarker(int count) {
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "line " + QByteArray::number(i) + "\r\n";
    return text;
}

struct CheckCase {
    const char* name;
    QByteArray content;
    RecordingFileKind kind;
    QString leadingText;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordingFileRecognition : public testing::TestWithParam<CheckCase> {};

TEST_P(RecordingFileRecognition, FindsTheFirstMarker) {
    const CheckCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("file.gnf");
    test::writeAll(path, c.content);
    const RecordingFileCheck r = checkRecordingFile(path);
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.leadingText, c.leadingText);
}

const QByteArray kHeader = "TAMOSTART:[2013-05-07 09:05:03][1][1]\r\n[09:05:03]:[0][0][0]\r\n";

INSTANTIATE_TEST_SUITE_P(
    Contents, RecordingFileRecognition,
    testing::Values(CheckCase{"HeaderFirst", kHeader, RecordingFileKind::Recording, ""},
                    CheckCase{"RemarkThenHeader", "Remarks:Night 1\r\n" + kHeader,
                              RecordingFileKind::Recording, "Remarks:Night 1\n"},
                    CheckCase{"TwoLineLatin1Remark", "Remarks:Gr\xfcn\r\r\nzwei\r\n" + kHeader,
                              RecordingFileKind::Recording,
                              QStringLiteral(u"Remarks:Gr\u00fcn\nzwei\n")},
                    CheckCase{"MarkerOnLine3000", linesBeforeMarker(2999) + kHeader,
                              RecordingFileKind::Recording,
                              QString::fromLatin1(linesBeforeMarker(2999).replace("\r\n", "\n"))},
                    CheckCase{"MarkerInsideALine", "noise TAMOSTART:[x]\r\n",
                              RecordingFileKind::Recording, "noise "},
                    // The file is read in pieces of 64 KiB; the marker straddles two.
                    CheckCase{"MarkerAcrossReadPieces", QByteArray(65536 - 4, 'a') + kHeader,
                              RecordingFileKind::Recording, QString(65536 - 4, u'a')},
                    CheckCase{"EmptyFile", "", RecordingFileKind::Recording, ""},
                    CheckCase{"ForeignText", "hello\r\nworld\r\n", RecordingFileKind::Foreign, ""},
                    CheckCase{"MarkerWithoutColon", "TAMOSTART[2013-05-07]\r\n",
                              RecordingFileKind::Foreign, ""},
                    CheckCase{"HugeLeadingText",
                              QByteArray(kLeadingTextLimit + 1000, 'b') + kHeader,
                              RecordingFileKind::Recording, QString(kLeadingTextLimit, u'b')}),
    [](const auto& info) { return std::string(info.param.name); });

struct PathCase {
    const char* name;
    QString path;
    RecordingFileKind kind;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordingFileRecognitionByPath : public testing::TestWithParam<PathCase> {};

TEST_P(RecordingFileRecognitionByPath, AnswersWithoutReadingForever) {
    EXPECT_EQ(checkRecordingFile(GetParam().path).kind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RecordingFileRecognitionByPath,
    testing::Values(PathCase{"Missing", QStringLiteral("/nonexistent-dormivo/night.gnf"),
                             RecordingFileKind::Absent},
                    PathCase{"Folder", QDir::tempPath(), RecordingFileKind::Absent},
                    PathCase{"EmptyPath", QString(), RecordingFileKind::Absent},
                    PathCase{"EndlessDevice", QStringLiteral("/dev/zero"),
                             RecordingFileKind::Foreign}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExtensionCase {
    const char* name;
    const char* typed;
    const char* shown;
};

void PrintTo(const ExtensionCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordingExtension : public testing::TestWithParam<ExtensionCase> {};

TEST_P(RecordingExtension, BecomesGnf) {
    EXPECT_EQ(fixRecordingExtension(QString::fromUtf8(GetParam().typed)),
              QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RecordingExtension,
    testing::Values(
        ExtensionCase{"NoExtension", "/data/night", "/data/night.gnf"},
        ExtensionCase{"OtherExtension", "/data/night.txt", "/data/night.gnf"},
        ExtensionCase{"UpperCaseGnf", "/data/night.GNF", "/data/night.gnf"},
        ExtensionCase{"FirstDotOfTheName", "/data/night.tar.gz", "/data/night.gnf"},
        ExtensionCase{"DotInAFolderName", "/my.data/night", "/my.data/night.gnf"},
        ExtensionCase{"HiddenFolder", "/home/u/.config/night", "/home/u/.config/night.gnf"},
        ExtensionCase{"HiddenFile", "/data/.night", "/data/.night.gnf"},
        ExtensionCase{"NonLatinName", "/data/\xe4\xb8\xad.txt", "/data/\xe4\xb8\xad.gnf"},
        ExtensionCase{"RelativeName", "nights", "nights.gnf"},
        ExtensionCase{"FiveCharacters", "a.txt", "a.txt"},
        ExtensionCase{"Folder", "/data/", "/data/"},
        ExtensionCase{"ParentFolder", "/data/..", "/data/.."},
        ExtensionCase{"AlreadyGnf", "/data/night.gnf", "/data/night.gnf"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dormivo
