#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace dormivo {

// The program's texts by string id. A loaded language library replaces the
// built-in English table as a whole; a text is cut to its buffer size the way
// a fixed buffer of that many characters (terminator included) would cut it.
class StringTable {
public:
    StringTable();
    ~StringTable();
    StringTable(const StringTable&) = delete;
    StringTable& operator=(const StringTable&) = delete;

    // Loads a language library by file name ("MultiLang_chn.qm"), looked up
    // next to the executable first, then in the installed data folders. False
    // when no such library could be loaded; the table is then unchanged.
    bool loadLibrary(const QString& fileName);
    bool hasLibrary() const { return library_ != nullptr; }
    QString libraryPath() const { return libraryPath_; }

    // The text of `id`, at most bufferChars - 1 characters; empty when the
    // source in use has no such id.
    QString load(int id, int bufferChars = 256) const;

    // The built-in English text of `id`, or nothing.
    static const char* builtin(int id);

    // Folders searched for language libraries, in order.
    static QStringList librarySearchPath();

private:
    std::unique_ptr<QTranslator> library_;
    QString libraryPath_;
};

} // namespace dormivo
