#pragma once

#include <string>
#include <string_view>

namespace dormivo {

// Recording files are Latin-1 text; the report writes UTF-8.
std::string latin1ToUtf8(std::string_view latin1);

// A path as the user gave it: kept when it is UTF-8, otherwise read as Latin-1.
std::string pathToUtf8(std::string_view path);

// Appends a JSON string literal (quotes included) of UTF-8 text.
void appendJsonString(std::string& out, std::string_view utf8);

// Appends a CSV field, quoted when it holds a comma, a quote or a line end.
void appendCsvField(std::string& out, std::string_view utf8);

} // namespace dormivo
