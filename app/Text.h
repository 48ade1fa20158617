#pragma once
// The widget boundary: code page 1252 bytes of the core to QString and back.
#include <QString>
#include <string>
#include <string_view>

namespace qnt {
QString qs(std::string_view cp1252);
std::string cp(const QString& text);
} // namespace qnt
