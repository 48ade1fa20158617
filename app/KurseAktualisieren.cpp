#include "app/KurseAktualisieren.h"

#include <QCoreApplication>

#include "data/Cp1252.h"

namespace qnt {

int kurseAktualisieren(const std::optional<QString>& datei, std::ostream& aus, std::ostream& fehler,
                       const QUrl& adresse, std::chrono::milliseconds frist) {
    TKurslesung lesung;
    if (!datei) {
        TKursabruf abruf;
        abruf.starte(adresse, frist);
        lesung = kurseAusAbruf(abruf.warte());
    } else {
        lesung = liesKursdatei(*datei);
    }
    Pflegeergebnis r =
        lesung.Kurse ? aktualisiereWaehrungen(*lesung.Kurse) : Pflegeergebnis{false, lesung.Meldung};
    (r ? aus : fehler) << cp1252ZuUtf8(r.Meldung) << '\n';
    return r ? 0 : 1;
}

std::optional<int> kurseAktualisierenOption(const std::optional<std::string>& datei, std::ostream& aus,
                                            std::ostream& fehler) {
    // The network needs an event loop, a display is not needed.
    int argc = 1;
    char name[] = "quantora";
    char* argv[] = {name, nullptr};
    std::optional<QCoreApplication> app;
    if (!QCoreApplication::instance()) app.emplace(argc, argv);
    return kurseAktualisieren(datei ? std::optional(QString::fromLocal8Bit(*datei)) : std::nullopt, aus,
                              fehler);
}

} // namespace qnt
