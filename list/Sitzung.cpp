#include "list/Sitzung.h"

#include <algorithm>

#include "convert/Umrechner.h"
#include "convert/Zahlen.h"
#include "data/Fehler.h"
#include "maintain/AusgeblendeteEinheiten.h"

namespace qnt {

namespace {
const char* const kLeereListe = "Die Einheiten-Liste enth\xE4lt keine Eintr\xE4ge! Es sind entweder alle Einheiten "
                                "oder alle L\xE4nder ausgeblendet oder die Datendatei konnte nicht ge\xF6" "ffnet werden.";

TAntwort ausgefuehrt() {
    TAntwort a;
    a.Ausgefuehrt = true;
    return a;
}

TBericht info(std::string text) { return {Berichtsart::Information, std::move(text)}; }
} // namespace

// ---------------------------------------------------------------- start and end

TBerichte TSitzung::starte(std::string_view einstellungsdatei) {
    AutoRechnen = false;
    ErgebnisGueltig = false;
    TEinstellungen e;
    const bool ok = leseEinstellungen(e, einstellungsdatei);
    GespeichertePosition = e.Gebietsposition;
    sortAlphabet_ = e.SortAlphabet;
    wissAnzeige_ = e.WissAnzeige;
    LandAngezeigt = e.LandAngezeigt;
    liste_.clear();
    markiert_ = -1;
    if (ok) return {};
    return {{Berichtsart::Warnung, kEinstellungenFehlen}};
}

TBerichte TSitzung::oeffne() {
    if (!ladeGebiete(Gebiete)) {
        Gebiete.clear();
        throw dateiNichtOeffnenFehler(std::string(kGruppenDatei));
    }
    if (!ladeGebietsinfo(Gebietsinfo)) {
        Gebietsinfo.clear();
        throw dateiNichtOeffnenFehler(std::string(kGebietDatei));
    }
    const int n = static_cast<int>(Gebiete.size());
    return waehleGebiet(GespeichertePosition < 1 || GespeichertePosition > n ? 0 : GespeichertePosition - 1);
}

TEinstellungen TSitzung::einstellungen() const {
    TEinstellungen e;
    e.Gebietsposition = gebietsindex_ + 1;
    e.SortAlphabet = sortAlphabet_;
    e.WissAnzeige = wissAnzeige_;
    e.LandAngezeigt = LandAngezeigt;
    return e;
}

TBerichte TSitzung::beende(std::string_view einstellungsdatei) {
    TBerichte b;
    if (!schreibeEinstellungen(einstellungen(), einstellungsdatei))
        b.push_back({Berichtsart::Warnung, kEinstellungenNichtGeschrieben});
    liste_.clear();
    markiert_ = -1;
    return b;
}

// ---------------------------------------------------------------- categories

std::string TSitzung::gebietname() const {
    return gebietGewaehlt() ? Gebiete[static_cast<std::size_t>(gebietsindex_)].Gebietname : std::string();
}

std::string TSitzung::datei() const {
    return gebietGewaehlt() ? Gebiete[static_cast<std::size_t>(gebietsindex_)].Dateiname : std::string();
}

std::string TSitzung::bezug() const {
    return gebietGewaehlt() ? Gebiete[static_cast<std::size_t>(gebietsindex_)].Bezug : std::string();
}

std::optional<std::string> TSitzung::gebietsbeschreibung() const {
    if (!gebietGewaehlt()) return std::nullopt;
    return qnt::gebietsBeschreibung(Gebietsinfo, gebietsindex_ + 1);
}

TBerichte TSitzung::waehleGebiet(int index) {
    const int n = static_cast<int>(Gebiete.size());
    gebietsindex_ = n == 0 ? -1 : std::clamp(index, 0, n - 1);
    art_ = gebietsartVon(gebietname());
    return listeNeuLaden();
}

// ---------------------------------------------------------------- the list

TBerichte TSitzung::listeLaden() {
    liste_.clear();
    markiert_ = -1;
    if (!gebietGewaehlt()) return {};
    TBerichte b;
    const std::string d = datei();
    try {
        if (!ladeEinheitenliste(d, LandAngezeigt, liste_))
            b.push_back({Berichtsart::Fehler, datendateiMeldung(d)});
    } catch (const LaufzeitFehler& f) {
        // A file too large to load is named in the box; the category then lists no units.
        b.push_back({Berichtsart::Fehler, f.what()});
    }
    if (!sortAlphabet_) qnt::sortiereNachLand(liste_);
    return b;
}

void TSitzung::zeilenFuellen(TBerichte& berichte) {
    markiert_ = liste_.empty() ? -1 : 0;
    if (liste_.empty()) berichte.push_back(info(kLeereListe));
}

TBerichte TSitzung::listeNeuLaden() {
    ErgebnisGueltig = false;
    TBerichte b = listeLaden();
    zeilenFuellen(b);
    return b;
}

void TSitzung::markiere(int zeile) {
    markiert_ = liste_.empty() ? -1 : std::clamp(zeile, 0, static_cast<int>(liste_.size()) - 1);
}

TAusgabetextobject* TSitzung::markierterEintrag() {
    if (markiert_ < 0 || markiert_ >= static_cast<int>(liste_.size())) return nullptr;
    return &liste_[static_cast<std::size_t>(markiert_)];
}

const TAusgabetextobject* TSitzung::gewaehlteEinheit() const {
    if (liste_.empty()) return nullptr;
    const int m = markiert_ < 0 || markiert_ >= static_cast<int>(liste_.size()) ? 0 : markiert_;
    return &liste_[static_cast<std::size_t>(m)];
}

TInfopanel TSitzung::infopanel() const {
    TInfopanel p;
    if (markiert_ < 0 || markiert_ >= static_cast<int>(liste_.size())) return p;
    const TEinheitSatz& s = liste_[static_cast<std::size_t>(markiert_)].Satz;
    const std::string felder[] = {s.Kurzzeichen(), s.SonstigeNamen(), s.Uebersetzung(), s.Einsatzgebiet(),
                                  s.Entspricht(),  s.CaWert(),        s.Ort(),          s.Zeitraum()};
    const std::string titel[] = {"Kurzzeichen:",   "Sonstige Namen:", uebersetzungsUeberschrift(art_),
                                 "Einsatzgebiet:", "entspricht: ",    "Wert bzw. ca.Wert: ",
                                 "Ort: ",          "Zeitraum: "};
    for (std::size_t i = 0; i < p.Paare.size(); ++i)
        if (!felder[i].empty()) p.Paare[i] = {titel[i], felder[i]};
    p.LandTitel = "Land: ";
    p.Land = std::string(landName(s.LandNr()));
    if (s.RegUnterschiede() == 1) p.Regional = "Achtung: regionale Unterschiede";
    if (s.ZeitUnterschiede() == 1) p.Zeitlich = "Achtung: zeitliche Unterschiede";
    return p;
}

// ---------------------------------------------------------------- settings

TAntwort TSitzung::sortiereNachLand() {
    if (!gebietGewaehlt()) return {};
    TAntwort a = ausgefuehrt();
    ErgebnisGueltig = false;
    sortAlphabet_ = false;
    qnt::sortiereNachLand(liste_);
    zeilenFuellen(a.Berichte);
    return a;
}

TAntwort TSitzung::sortiereNachAlphabet() {
    if (!gebietGewaehlt()) return {};
    sortAlphabet_ = true;
    TAntwort a = ausgefuehrt();
    a.Berichte = listeNeuLaden();
    return a;
}

bool TSitzung::setzeWissAnzeige(bool wiss) {
    wissAnzeige_ = wiss;
    return ErgebnisGueltig;
}

// ---------------------------------------------------------------- commands on the list

TAntwort TSitzung::blendeAus() {
    ErgebnisGueltig = false;
    if (liste_.empty() || !gebietGewaehlt()) return {};
    const int m = std::max(0, markiert_);
    schreibeAngezeigt(datei(), liste_[static_cast<std::size_t>(m)].SatzNr, 0);
    liste_.erase(liste_.begin() + m);
    markiert_ = liste_.empty() ? -1 : std::max(0, m - 1);
    return ausgefuehrt();
}

// ---------------------------------------------------------------- calculation

TAntwort TSitzung::rechne(std::string_view eingabe) {
    if (liste_.empty()) return {};
    const Rechenergebnis e = qnt::rechne(art_, eingabe, markiert_, liste_);
    TAntwort a = ausgefuehrt();
    a.Ergebnisse = e.ergebnisseGeschrieben();
    a.NeuLaden = e.neuLaden;
    if (a.Ergebnisse) ErgebnisGueltig = true;
    if (!e.meldung.empty()) a.Berichte.push_back({Berichtsart::Fehler, e.meldung, true, e.markieren});
    return a;
}

std::optional<std::string> TSitzung::markierterWert() const {
    if (markiert_ < 0 || markiert_ >= static_cast<int>(liste_.size())) return std::nullopt;
    return ergebnistext(liste_[static_cast<std::size_t>(markiert_)]);
}

std::string TSitzung::zeilentext(int zeile) const {
    if (zeile < 0 || zeile >= static_cast<int>(liste_.size())) return {};
    const auto& e = liste_[static_cast<std::size_t>(zeile)];
    std::string text = e.Satz.Name();
    if (!ErgebnisGueltig) return text;
    return text.append(": ").append(ohneRandBlanks(ergebnistext(e)));
}

// ---------------------------------------------------------------- automatic calculation

bool TSitzung::schalteAutoRechnen() {
    AutoRechnen = !AutoRechnen;
    return AutoRechnen && art_ != Gebietsart::Brueche;
}

bool TSitzung::neuberechnungFaellig(bool eingabeLeer) const {
    return art_ != Gebietsart::Weltzeit && AutoRechnen && !eingabeLeer;
}

bool TSitzung::tasteRechnet(bool nullTaste, bool dezimalZiffernblock, bool eingabeLeer) const {
    if (art_ == Gebietsart::Brueche || nullTaste || dezimalZiffernblock) return false;
    return neuberechnungFaellig(eingabeLeer);
}

// ---------------------------------------------------------------- maintenance

std::optional<std::string> TSitzung::loeschVerweigerung() const { return qnt::loeschVerweigerung(art_); }

std::string TSitzung::loeschFrage() const { return qnt::loeschFrage(gebietname()); }

TAntwort TSitzung::loescheAusgeblendete() {
    const auto ergebnis = qnt::loescheAusgeblendete(datei());
    TAntwort a = ausgefuehrt();
    a.NeuLaden = true;
    if (ergebnis) a.Berichte.push_back(info(std::string(kAusgeblendeteGeloescht)));
    else a.Berichte.push_back({Berichtsart::Fehler, ergebnis.Meldung});
    return a;
}

} // namespace qnt
