#include "app/Text.h"

#include "data/Cp1252.h"

namespace qnt {
QString qs(std::string_view cp1252) { return QString::fromStdString(cp1252ZuUtf8(cp1252)); }
std::string cp(const QString& text) { return utf8ZuCp1252(text.toStdString()); }
} // namespace qnt
