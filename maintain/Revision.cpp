#include "maintain/Revision.h"

#include <cstring>

#include "list/Einheitenliste.h"

namespace qnt {

std::string revisionsFehlertext(std::string_view datei) {
    return "Die Datei " + std::string(datei) +
           " konnte nicht ge\xF6"
           "ffnet werden oder die revidierte Datei konnte nicht geschrieben werden!";
}

std::string oeffnenFehlertext(std::string_view datei) {
    return datendateiMeldung(datei);
}

void TSatzAusgabe::schreibe(const TEinheitSatz& s) {
    bytes_.append(reinterpret_cast<const char*>(s.bytes.data()), kSatzGroesse);
}

TKopierregel behalteAngezeigte() {
    return [](const TEinheitSatz* gelesen, TSatzAusgabe& ausgabe) {
        if (gelesen && gelesen->Angezeigt() == 1) ausgabe.schreibe(*gelesen);
    };
}

TKopierregel fuegeSortiertEin(const TEinheitSatz& neu) {
    return [neu, geschrieben = false](const TEinheitSatz* gelesen, TSatzAusgabe& ausgabe) mutable {
        if (!geschrieben && (!gelesen || vergleicheNamen(gelesen->Name(), neu.Name()) >= 0)) {
            ausgabe.schreibe(neu);
            geschrieben = true;
        }
        if (gelesen) ausgabe.schreibe(*gelesen);
    };
}

std::string temporaereDatei(std::string_view datei) {
    return vergleicheNamen(datei, "TEMP.DAT") == 0 ? "TEMP.NEU" : "TEMP.DAT";
}

namespace {

Pflegeergebnis fehlschlag(std::string_view datei) {
    return {false, revisionsFehlertext(datei)};
}

// Reads every whole record of an open file in one read.
bool liesAlles(Datei& d, std::string& inhalt) {
    std::int64_t groesse = 0;
    if (!d.groesse(groesse)) return false;
    const auto saetze = static_cast<std::size_t>(groesse) / kSatzGroesse;
    inhalt.assign(saetze * kSatzGroesse, '\0');
    if (!d.positioniere(0)) return false;
    return inhalt.empty() || d.lies(inhalt.data(), inhalt.size());
}

TEinheitSatz satzAus(const std::string& inhalt, std::size_t i) {
    TEinheitSatz s;
    std::memcpy(s.bytes.data(), inhalt.data() + i * kSatzGroesse, kSatzGroesse);
    return s;
}

// The data file must exist and be writable, as a rewrite in place would need; a rename alone would
// replace even a write-protected file.
bool beschreibbar(std::string_view datei) {
    Datei d;
    return d.oeffnen(datei, Datei::Modus::LesenSchreiben) && d.schliessen();
}

// Temporary file, synced, then renamed over the data file. The rename is the one moment of change.
bool schreibeUndErsetze(std::string_view datei, const std::string& bytes) {
    const std::string temp = temporaereDatei(datei);
    Datei t;
    if (!t.oeffnen(temp, Datei::Modus::Erzeugen)) return false;
    bool ok = t.schreibe(bytes.data(), bytes.size()) && t.sync();
    ok = t.schliessen() && ok;
    if (ok && dateiUmbenennen(temp, datei)) return true;
    dateiLoeschen(temp);
    return false;
}

} // namespace

Pflegeergebnis DatendateiRevidieren(std::string_view datei, TKopierregel regel) {
    std::string inhalt;
    {
        Datei d;
        if (!d.oeffnen(datei, Datei::Modus::LesenSchreiben)) return fehlschlag(datei);
        const bool gelesen = liesAlles(d, inhalt);
        if (!d.schliessen() || !gelesen) return fehlschlag(datei);
    }
    const std::size_t n = inhalt.size() / kSatzGroesse;
    TSatzAusgabe ausgabe;
    ausgabe.reserviere(n + 1);
    for (std::size_t i = 0; i < n; ++i) {
        const TEinheitSatz s = satzAus(inhalt, i);
        regel(&s, ausgabe);
    }
    regel(nullptr, ausgabe);
    if (!schreibeUndErsetze(datei, ausgabe.bytes())) return fehlschlag(datei);
    return {};
}

Pflegeergebnis ersetzeDatendatei(std::string_view datei, const TSatzAusgabe& saetze) {
    if (!beschreibbar(datei) || !schreibeUndErsetze(datei, saetze.bytes())) return fehlschlag(datei);
    return {};
}

Pflegeergebnis SatzAktualisieren(std::string_view datei, const std::vector<std::int32_t>& satzNrn,
                                 const TSatzaenderung& aenderung) {
    Datendatei d;
    if (!d.oeffnen(datei)) return fehlschlag(datei);
    std::int32_t n = 0;
    bool ok = d.anzahl(n);
    for (std::size_t i = 0; ok && i < satzNrn.size(); ++i) {
        const std::int32_t nr = satzNrn[i];
        TEinheitSatz s;
        ok = nr >= 0 && nr < n && d.positioniere(nr) && d.lies(s) && d.positioniere(nr);
        if (ok) {
            aenderung(s);
            ok = d.schreibe(s);
        }
    }
    ok = ok && d.sync();
    ok = d.schliessen() && ok;
    if (!ok) return fehlschlag(datei);
    return {};
}

bool liesSaetze(std::string_view datei, std::vector<TEinheitSatz>& saetze) {
    std::string inhalt;
    Datei d;
    if (!d.oeffnen(datei, Datei::Modus::Lesen)) return false;
    const bool ok = liesAlles(d, inhalt);
    if (!d.schliessen() || !ok) return false;
    const std::size_t n = inhalt.size() / kSatzGroesse;
    saetze.clear();
    saetze.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        saetze.push_back(satzAus(inhalt, i));
    return true;
}

} // namespace qnt
