#include <gtest/gtest.h>

#include "PflegeTesthilfe.h"
#include "convert/Zahlen.h"
#include "maintain/Kurstabelle.h"

using namespace qnt;
using namespace pflegetest;

namespace {

// The rate cells read as the program reads a number.
const ZahlLeser lies = dezimalzahlLesen;

// The cells of a freshly opened table, as the grid shows them.
std::vector<TKurszellen> zellenAus(const TKurstabelle& t) {
    std::vector<TKurszellen> z;
    for (const auto& e : t.Eintraege) {
        const TKurszeile k = kursZeile(e);
        z.push_back({k.Euro, k.Stand, k.Wert});
    }
    return z;
}

std::vector<std::int32_t> satzNrn(const TKurstabelle& t) {
    std::vector<std::int32_t> v;
    for (const auto& e : t.Eintraege)
        v.push_back(e.SatzNr);
    return v;
}

} // namespace

TEST(Kurstext, ZwoelfStellenRechtsbuendigMitKomma) {
    EXPECT_EQ(kursText(0.5112918811962185), "        0,511291881196");
    EXPECT_EQ(kursText(1234.5), "     1234,500000000000");
    EXPECT_EQ(kursText(-0.25), "       -0,250000000000");
    EXPECT_EQ(kursText(0), "");
    EXPECT_EQ(kursText(1e-13), "        0,000000000000") << "only exactly 0 shows empty";
}

class Kurse : public OrdnerTest {
protected:
    void SetUp() override {
        // File order is name order; the countries are deliberately not.
        anfang = {satz("Dollar", 1, 89, 0.9), satz("Gulden", 1, 71, 0.4537802160901389),
                  satz("Krone", 0, 35, 0.13), satz("Mark", 1, 36, 0.5112918811962185),
                  satz("Peso", 1, 150, 0.05), satz("Rubel", 1, 80, 3.3796278830604134e-05),
                  satz("Yen", 1, 63, 0.006)};
        for (auto& s : anfang) {
            s.setzeUebersetzung("");
            s.setzeCaWert("");
        }
        anfang[3].setzeUebersetzung("31.12.1998");
        anfang[3].setzeCaWert("ca. 0,5 Euro");
        schreibeSaetze("WAEHRUNG.DAT", anfang);
        ASSERT_TRUE(ladeKurstabelle("WAEHRUNG.DAT", tabelle));
    }
    std::vector<TEinheitSatz> anfang;
    TKurstabelle tabelle;
};

TEST_F(Kurse, LaedtJedenSatzInDateiordnung) {
    ASSERT_EQ(tabelle.Eintraege.size(), anfang.size());
    EXPECT_EQ(satzNrn(tabelle), (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(tabelle.Eintraege[2].Satz, anfang[2]) << "a hidden currency is listed";
    EXPECT_FALSE(tabelle.NachLand);
    const TKurszeile z = kursZeile(tabelle.Eintraege[3]);
    EXPECT_EQ(z.Land, "Deutschland");
    EXPECT_EQ(z.Waehrung, "1 Mark =");
    EXPECT_EQ(z.Euro, "        0,511291881196");
    EXPECT_EQ(z.Stand, "31.12.1998");
    EXPECT_EQ(z.Wert, "ca. 0,5 Euro");
}

TEST_F(Kurse, NachLandUndZurueckGibtDieAnfangsordnung) {
    sortiereNachLand(tabelle);
    EXPECT_TRUE(tabelle.NachLand);
    EXPECT_EQ(satzNrn(tabelle), (std::vector<std::int32_t>{2, 3, 6, 1, 5, 0, 4}))
        << "35, 36, 63, 71, 80, 89, then the country outside the table";
    sortiereNachEinheit(tabelle);
    EXPECT_FALSE(tabelle.NachLand);
    EXPECT_EQ(satzNrn(tabelle), (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(Kurse, UnveraendertGespeichertBleibtDieDateiGleich) {
    const auto r = speichereKurstabelle("WAEHRUNG.DAT", tabelle, zellenAus(tabelle), lies);
    EXPECT_EQ(r.Ergebnis, TKursspeicherung::Art::Gespeichert);
    // The Rubel's 0,000033796279 shown would lose digits if parsed back.
    EXPECT_EQ(bytesVon("WAEHRUNG.DAT"), bytesAus(anfang));
}

TEST_F(Kurse, FestkursGiltWasAuchImmerGetipptWird) {
    auto zellen = zellenAus(tabelle);
    zellen[3].Euro = "2,0"; // Mark, LandNr 36
    zellen[1].Euro = "7";   // Gulden, LandNr 71
    zellen[0].Euro = "0,95";
    tabelle.Eintraege[4].Satz.setzeLandNr(36); // an own currency of a fixed-rate country
    ASSERT_EQ(speichereKurstabelle("WAEHRUNG.DAT", tabelle, zellen, lies).Ergebnis,
              TKursspeicherung::Art::Gespeichert);
    auto erwartet = anfang;
    erwartet[0].setzeFaktor(0.95);
    erwartet[4].setzeLandNr(36);
    erwartet[4].setzeFaktor(0.5112918811962185);
    EXPECT_EQ(bytesVon("WAEHRUNG.DAT"), bytesAus(erwartet));
}

TEST_F(Kurse, TexteWerdenGekuerztUndLeererKursIstNull) {
    auto zellen = zellenAus(tabelle);
    const std::string stand40 = "Stand vom 31. Dezember 1998, 12 Uhr MEZ!";
    ASSERT_EQ(stand40.size(), 40u);
    zellen[5].Stand = stand40;
    zellen[5].Wert = "ungef\xE4hr ein Hundertstel Euro";
    zellen[6].Euro = "";
    ASSERT_EQ(speichereKurstabelle("WAEHRUNG.DAT", tabelle, zellen, lies).Ergebnis,
              TKursspeicherung::Art::Gespeichert);
    auto erwartet = anfang;
    erwartet[5].setzeUebersetzung(stand40.substr(0, 32));
    erwartet[5].setzeCaWert(std::string("ungef\xE4hr ein Hundertstel Euro").substr(0, 21));
    erwartet[6].setzeFaktor(0);
    EXPECT_EQ(bytesVon("WAEHRUNG.DAT"), bytesAus(erwartet));
}

TEST_F(Kurse, NachLandSortiertGespeichertBleibtInDateiordnung) {
    sortiereNachLand(tabelle);
    auto zellen = zellenAus(tabelle);
    zellen[0].Stand = "neu"; // the first row is now Krone, the third record of the file
    ASSERT_EQ(speichereKurstabelle("WAEHRUNG.DAT", tabelle, zellen, lies).Ergebnis,
              TKursspeicherung::Art::Gespeichert);
    auto erwartet = anfang;
    erwartet[2].setzeUebersetzung("neu");
    EXPECT_EQ(bytesVon("WAEHRUNG.DAT"), bytesAus(erwartet)) << "Dollar stays first, Krone stays hidden";
    EXPECT_FALSE(tabelle.NachLand);
}

TEST_F(Kurse, ErsteFalscheZeileWirdGemeldetUndNichtsGespeichert) {
    auto zellen = zellenAus(tabelle);
    zellen[2].Euro = "1.000,5";
    zellen[6].Euro = "abc";
    zellen[0].Stand = "schon getippt";
    const auto r = speichereKurstabelle("WAEHRUNG.DAT", tabelle, zellen, lies);
    EXPECT_EQ(r.Ergebnis, TKursspeicherung::Art::FalscheEingabe);
    EXPECT_EQ(r.Zeile, 2) << "grid row 3";
    EXPECT_EQ(r.Meldung, "Falsche Eingabe, bitte berichtigen!");
    EXPECT_EQ(bytesVon("WAEHRUNG.DAT"), bytesAus(anfang));
    EXPECT_EQ(tabelle.Eintraege[0].Satz, anfang[0]) << "the entries do not change either";
}

TEST_F(Kurse, FehlgeschlagenesSpeichernLaesstDieAlteDateiGanz) {
    for (const DateiOp op : {DateiOp::Erzeugen, DateiOp::Schreiben, DateiOp::Sync, DateiOp::Umbenennen}) {
        TKurstabelle t;
        ASSERT_TRUE(ladeKurstabelle("WAEHRUNG.DAT", t));
        auto zellen = zellenAus(t);
        zellen[0].Euro = "1,5";
        HakenWaechter w([op](DateiOp o, std::string_view) { return o == op; });
        const auto r = speichereKurstabelle("WAEHRUNG.DAT", t, zellen, lies);
        EXPECT_EQ(r.Ergebnis, TKursspeicherung::Art::Schreibfehler);
        EXPECT_EQ(r.Meldung, revisionsFehlertext("WAEHRUNG.DAT"));
        EXPECT_EQ(bytesVon("WAEHRUNG.DAT"), bytesAus(anfang));
        EXPECT_EQ(ordner.dateien(), std::vector<std::string>{"WAEHRUNG.DAT"});
    }
}

TEST_F(Kurse, FehlendeDateiWirdNichtNeuAngelegt) {
    std::remove("WAEHRUNG.DAT");
    const auto r = speichereKurstabelle("WAEHRUNG.DAT", tabelle, zellenAus(tabelle), lies);
    EXPECT_EQ(r.Ergebnis, TKursspeicherung::Art::Schreibfehler);
    EXPECT_TRUE(ordner.dateien().empty());
    TKurstabelle leer;
    EXPECT_FALSE(ladeKurstabelle("WAEHRUNG.DAT", leer));
}
