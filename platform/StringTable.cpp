#include "StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTranslator>

#include <algorithm>
#include <iterator>

namespace dormivo {

namespace {

struct Entry {
    int id;
    const char* text;
};

// Sorted by id. Texts are UTF-8.
constexpr Entry kEnglish[] = {
    {100, "OLE 初始化失败。请确保 OLE 库是正确的版本。"},
    {125, "Customize..."},
    {306, "Edit"},
    {500, "Varnel Anti-Snoring Pillow Data Monitor Tool - v1.8.1"},
    {501, "START"},
    {502, "Recording Schedule"},
    {503, "START Time"},
    {504, "START Date"},
    {505, "END Time(Per day)"},
    {506, "END Date"},
    {507, "REMARKS"},
    {508, "LIVE ACTION MONITOR"},
    {509, "LIVE SNORING MONITOR"},
    {510, "Heavy snoring"},
    {511, "Significant snoring"},
    {512, "Moderate to significant snoring"},
    {513, "Moderate snoring"},
    {514, "Light snoring"},
    {515, "No snoring"},
    {516, "LIVE SENSOR MONITOR"},
    {517, "Data Analysis"},
    {518, "USB connection is not established ,recording can not be launched"},
    {519, "Recording"},
    {520, "Remaining Recording Time"},
    {521, "Time left until START Recording"},
    {522, "STOP"},
    {523, "USB connection is failed at time"},
    {524, "The scheduled end date shall not be ealier than the start date,please check the filled "
          "date before launching the schedule!"},
    {525, "The scheduled date expires and the schedule will never happen, please check the filled "
          "date before launching the schedule!"},
    {526, "No recording file is associated, please input file firstly!"},
    {527, "Varnel Anti-Snoring Pillow Data Analysis Tool - v1.8.1"},
    {528, "Snoring"},
    {529, "Level"},
    {530, "Head"},
    {531, "Position"},
    {532, "Pillow"},
    {533, "Action"},
    {535, "Night Recording Selection"},
    {536, "End Time(next)"},
    {537, "Total Actual Snoring Time"},
    {538, "Total Pillow Action Time"},
    {541, "Effectiveness"},
    {543, "Print"},
    {544, "Back"},
    {545, "Explanation"},
    {546, "OK"},
    {547, "Information"},
    {548, "recording quit"},
};

constexpr const char* kContext = "MultiLang";

QString cut(const QString& text, int bufferChars) {
    return bufferChars <= 0 ? QString() : text.left(bufferChars - 1);
}

} // namespace

StringTable::StringTable() = default;
StringTable::~StringTable() = default;

const char* StringTable::builtin(int id) {
    const auto* it = std::lower_bound(std::begin(kEnglish), std::end(kEnglish), id,
                                      [](const Entry& e, int v) { return e.id < v; });
    return it != std::end(kEnglish) && it->id == id ? it->text : nullptr;
}

QStringList StringTable::librarySearchPath() {
    QStringList dirs;
    if (QCoreApplication::instance())
        dirs << QCoreApplication::applicationDirPath();
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dirs << d + QStringLiteral("/dormivo");
    return dirs;
}

bool StringTable::loadLibrary(const QString& fileName) {
    for (const QString& dir : librarySearchPath()) {
        const QString path = QDir(dir).filePath(fileName);
        if (!QFileInfo::exists(path))
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(path)) {
            library_ = std::move(translator);
            libraryPath_ = path;
            return true;
        }
    }
    return false;
}

QString StringTable::load(int id, int bufferChars) const {
    if (library_)
        return cut(library_->translate(kContext, QByteArray::number(id).constData()), bufferChars);
    const char* text = builtin(id);
    return text ? cut(QString::fromUtf8(text), bufferChars) : QString();
}

} // namespace dormivo
