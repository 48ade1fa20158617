#pragma once
// The shell layer: hands a web address to the platform's registered handler (the web browser).
#include <QString>
#include <functional>

namespace qnt {

// The result says whether the platform accepted the address; callers need not look at it.
bool oeffneAdresse(const QString& adresse);

// Tests replace the platform call; an empty hook restores it.
using AdressHaken = std::function<bool(const QString&)>;
void setzeAdressHaken(AdressHaken haken);

} // namespace qnt
