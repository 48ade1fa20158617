#include "app/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace qnt {

namespace {
AdressHaken& haken() {
    static AdressHaken h;
    return h;
}
} // namespace

void setzeAdressHaken(AdressHaken h) {
    haken() = std::move(h);
}

bool oeffneAdresse(const QString& adresse) {
    if (haken()) return haken()(adresse);
    // A bare "www.…" becomes an http address, as the shell would take it.
    return QDesktopServices::openUrl(QUrl::fromUserInput(adresse.trimmed()));
}

} // namespace qnt
