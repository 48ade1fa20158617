#include "app/KurseAktualisieren.h"

#include "data/Cp1252.h"

namespace qnt {

int kurseAktualisieren(const QStringList& argumente, std::ostream& aus, std::ostream& fehler,
                       const QUrl& adresse, std::chrono::milliseconds frist) {
    if (argumente.size() > 1) {
        fehler << "Aufruf: quantora " << kKurseAktualisierenOption << " [DATEI]\n";
        return 2;
    }
    TKurslesung lesung;
    if (argumente.isEmpty()) {
        TKursabruf abruf;
        abruf.starte(adresse, frist);
        lesung = kurseAusAbruf(abruf.warte());
    } else {
        lesung = liesKursdatei(argumente.first());
    }
    Pflegeergebnis r =
        lesung.Kurse ? aktualisiereWaehrungen(*lesung.Kurse) : Pflegeergebnis{false, lesung.Meldung};
    (r ? aus : fehler) << cp1252ZuUtf8(r.Meldung) << '\n';
    return r ? 0 : 1;
}

} // namespace qnt
