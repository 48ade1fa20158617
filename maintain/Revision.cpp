#include "maintain/Revision.h"

#include <algorithm>
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
    Bytepuffer inhalt;
    {
        Datendatei d;
        if (!d.oeffnen(datei)) return fehlschlag(datei);
        const bool gelesen = d.liesAlle(inhalt);
        if (!d.schliessen() || !gelesen) return fehlschlag(datei);
    }
    const std::size_t n = inhalt.size() / kSatzGroesse;
    TSatzAusgabe ausgabe;
    ohneSpeichermangel(datei, [&] {
        ausgabe.reserviere(n + 1);
        for (std::size_t i = 0; i < n; ++i) {
            const TEinheitSatz s(inhalt.data() + i * kSatzGroesse);
            regel(&s, ausgabe);
        }
        regel(nullptr, ausgabe);
    });
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
    std::int64_t n = 0;
    bool ok = d.anzahl(n);
    // The positions up to the first one outside the file are changed; that one fails the update.
    std::size_t gueltig = 0;
    std::int64_t von = n, bis = -1;
    for (; ok && gueltig < satzNrn.size() && satzNrn[gueltig] >= 0 && satzNrn[gueltig] < n; ++gueltig) {
        von = std::min<std::int64_t>(von, satzNrn[gueltig]);
        bis = std::max<std::int64_t>(bis, satzNrn[gueltig]);
    }
    // The span from the first to the last changed record in one read and one write; the records between
    // go back as read.
    if (ok && gueltig > 0) {
        Bytepuffer bereich;
        ok = d.liesBereich(von, bis - von + 1, bereich);
        for (std::size_t i = 0; ok && i < gueltig; ++i) {
            char* ort = bereich.data() + static_cast<std::size_t>(satzNrn[i] - von) * kSatzGroesse;
            TEinheitSatz s(ort);
            aenderung(s);
            std::memcpy(ort, s.bytes.data(), kSatzGroesse);
        }
        ok = ok && d.schreibeBereich(von, bereich) && d.sync();
    }
    ok = ok && gueltig == satzNrn.size();
    ok = d.schliessen() && ok;
    if (!ok) return fehlschlag(datei);
    return {};
}

bool liesSaetze(std::string_view datei, std::vector<TEinheitSatz>& saetze) {
    Bytepuffer inhalt;
    Datendatei d;
    if (!d.oeffnenNurLesen(datei)) return false;
    const bool ok = d.liesAlle(inhalt);
    if (!d.schliessen() || !ok) return false;
    const std::size_t n = inhalt.size() / kSatzGroesse;
    std::vector<TEinheitSatz> neu;
    ohneSpeichermangel(datei, [&] { neu.reserve(n); });
    for (std::size_t i = 0; i < n; ++i)
        neu.emplace_back(inhalt.data() + i * kSatzGroesse);
    saetze = std::move(neu);
    return true;
}

} // namespace qnt
