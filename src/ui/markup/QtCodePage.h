// Windows-1252 bytes to and from QString, through the core's one conversion
// table (the Qt side of the program converts only here).
#pragma once

#include <QString>

#include <string>
#include <string_view>

QString Windows1252ToQString(std::string_view bytes);
std::string QStringToWindows1252(const QString& text);
