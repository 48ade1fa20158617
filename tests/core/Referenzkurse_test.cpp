#include <gtest/gtest.h>

#include "PflegeTesthilfe.h"
#include "data/Gebiete.h"
#include "maintain/Referenzkurse.h"

using namespace qnt;
using namespace pflegetest;

namespace {

const std::string kXmlKopf = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
                             "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
                             "\t<gesmes:subject>Reference rates</gesmes:subject>\n\t<Cube>\n";
const std::string kXmlFuss = "\t</Cube>\n</gesmes:Envelope>\n";

std::string xml(std::string_view tag) {
    return kXmlKopf + "\t\t<Cube time='2026-12-04'>\n" + std::string(tag) + "\t\t</Cube>\n" + kXmlFuss;
}

struct LeseFall {
    const char* name;
    std::string inhalt;
    std::string datum;                                 // empty: refused
    std::vector<std::pair<std::string, double>> kurse; // units per euro, the file's figures
    std::string meldung;
};

class Lesen : public ::testing::TestWithParam<LeseFall> {};

TEST_P(Lesen, ErgibtEuroJeEinheitOderDieMeldung) {
    const auto& f = GetParam();
    const TKurslesung l = liesReferenzkurse(f.inhalt);
    EXPECT_EQ(l.Meldung, f.meldung);
    ASSERT_EQ(l.Kurse.has_value(), !f.datum.empty());
    if (!l.Kurse) return;
    EXPECT_EQ(l.Kurse->Datum, f.datum);
    ASSERT_EQ(l.Kurse->EuroJeEinheit.size(), f.kurse.size());
    for (const auto& [code, jeEuro] : f.kurse)
        EXPECT_EQ(l.Kurse->EuroJeEinheit.at(code), 1.0 / jeEuro) << code << ": full precision, not rounded";
}

const std::string kKeinFormat =
    "Die Datei enth\xE4lt keine Referenzkurse der Europ\xE4ischen Zentralbank (XML oder CSV).";
const std::string kUnvollstaendig = "Die Kursdatei ist unvollst\xE4ndig.";
const std::string kKeinDatum = "Die Kursdatei nennt kein g\xFCltiges Datum.";
std::string ungueltigerKurs(const std::string& kurs) {
    return "Die Kursdatei nennt f\xFCr USD den ung\xFCltigen Kurs \"" + kurs + "\".";
}
std::string ungueltigesKuerzel(const std::string& k) {
    return "Die Kursdatei enth\xE4lt das ung\xFCltige W\xE4hrungsk\xFCrzel \"" + k + "\".";
}

INSTANTIATE_TEST_SUITE_P(
    Kursdatei, Lesen,
    ::testing::Values(
        LeseFall{"XmlTaeglich",
                 "\xEF\xBB\xBF" + xml("<Cube currency='USD' rate='1.0812'/><Cube currency=\"JPY\" rate=\"162.10\"/>"
                                       "<!-- <Cube currency='XXX' rate='1'/> --><Cube currency='ISK' rate='150'/>"),
                 "2026-12-04", {{"USD", 1.0812}, {"JPY", 162.10}, {"ISK", 150}}, ""},
        LeseFall{"XmlMehrereTageNimmtDenErsten",
                 kXmlKopf + "<Cube time='2026-12-04'><Cube currency='USD' rate='1.08'/></Cube>"
                            "<Cube time='2026-12-03'><Cube currency='USD' rate='1.07'/><Cube currency='GBP' rate='0.85'/>"
                            "</Cube>" + kXmlFuss,
                 "2026-12-04", {{"USD", 1.08}}, ""},
        LeseFall{"CsvTaeglich", "Date, USD, JPY, BGN, \r\n04 December 2026, 1.0812, 162.10, N/A, \r\n", "2026-12-04",
                 {{"USD", 1.0812}, {"JPY", 162.10}}, ""},
        LeseFall{"CsvMitLeerzeilen", "\n  \nDate, USD\r\n \r\n04 December 2026, 1.08\r\n", "2026-12-04",
                 {{"USD", 1.08}}, ""},
        LeseFall{"CsvMitIsoDatumNimmtDieErsteZeile", "Date,USD,CHF\n2026-12-04,1.08,0.94\n2026-12-03,1.07,0.93\n",
                 "2026-12-04", {{"USD", 1.08}, {"CHF", 0.94}}, ""},
        LeseFall{"GleicherKursZweimal", xml("<Cube currency='USD' rate='1.08'/><Cube currency='USD' rate='1.080'/>"),
                 "2026-12-04", {{"USD", 1.08}}, ""},
        LeseFall{"Html", "<!DOCTYPE html><html><body>Not found</body></html>", "", {}, kKeinFormat},
        LeseFall{"Leer", "", "", {}, kKeinFormat},
        LeseFall{"AbgeschnittenesXml", kXmlKopf + "<Cube time='2026-12-04'><Cube currency='USD' rate='1.08'/>", "",
                 {}, kUnvollstaendig},
        LeseFall{"AbgeschnittenesCsv", "Date, USD, JPY, \r\n04 December 2026, 1.0812, 16", "", {}, kUnvollstaendig},
        LeseFall{"CsvOhneKopf", "USD, JPY\n1.08, 162\n", "", {}, kKeinFormat},
        LeseFall{"XmlOhneDatum", kXmlKopf + "<Cube><Cube currency='USD' rate='1.08'/></Cube>" + kXmlFuss, "", {},
                 kKeinDatum},
        LeseFall{"UnmoeglichesDatum", "Date, USD\n31 February 2026, 1.08\n", "", {}, kKeinDatum},
        LeseFall{"CsvOhneWertezeile", "Date, USD, JPY\n", "", {}, kUnvollstaendig},
        LeseFall{"NurDatum", xml(""), "", {}, "Die Kursdatei enth\xE4lt keine Kurse."},
        LeseFall{"KursNull", xml("<Cube currency='USD' rate='0'/>"), "", {}, ungueltigerKurs("0")},
        LeseFall{"KursNegativ", "Date, USD\n04 December 2026, -1.08\n", "", {}, ungueltigerKurs("-1.08")},
        LeseFall{"KursUnendlich", xml("<Cube currency='USD' rate='inf'/>"), "", {}, ungueltigerKurs("inf")},
        LeseFall{"KursMitKomma", xml("<Cube currency='USD' rate='1,08'/>"), "", {}, ungueltigerKurs("1,08")},
        LeseFall{"KursFehlt", xml("<Cube currency='USD'/>"), "", {}, ungueltigerKurs("")},
        LeseFall{"ZwoelfZeichenUngekuerzt", xml("<Cube currency='USD' rate='1.081234567x'/>"), "", {},
                 ungueltigerKurs("1.081234567x")},
        LeseFall{"LangerKursGekuerzt", xml("<Cube currency='USD' rate='1.0\xE4" "123456789'/>"), "", {},
                 ungueltigerKurs("1.0?12345678...")},
        LeseFall{"KleinesKuerzel", xml("<Cube currency='usd' rate='1.08'/>"), "", {}, ungueltigesKuerzel("usd")},
        LeseFall{"ZweiBuchstaben", "Date, US\n04 December 2026, 1.08\n", "", {}, ungueltigesKuerzel("US")},
        LeseFall{"ZweiKurseFuerEinKuerzel", xml("<Cube currency='USD' rate='1.08'/><Cube currency='USD' rate='1.09'/>"),
                 "", {}, "Die Kursdatei nennt f\xFCr USD zwei verschiedene Kurse."},
        LeseFall{"UeberEinMegabyte", xml("<Cube currency='USD' rate='1.08'/>") + std::string(1024 * 1024, ' '), "",
                 {}, "Die Kursdatei ist gr\xF6\xDF" "er als 1 MB."}),
    NachName{});

TEinheitSatz waehrung(std::string_view name, std::string_view code, std::uint8_t landNr,
                      std::uint8_t angezeigt, double faktor) {
    TEinheitSatz s = satz(name, angezeigt, landNr, faktor);
    s.setzeKurzzeichen(code);
    s.setzeUebersetzung("2022-09-05");
    return s;
}

struct UebernahmeFall {
    TEinheitSatz satz;
    double faktor; // afterwards
    const char* stand;
};

TReferenzkurse kurse() {
    return {"2026-12-04", {{"USD", 0.9}, {"CHF", 1.1}, {"DEM", 0.5}, {"EUR", 2.0}, {"NOK", 0.08}}};
}

} // namespace

TEST(Kursuebernahme, NurPassendeFreieKurseAendernSich) {
    const std::vector<UebernahmeFall> faelle = {
        {waehrung("US-Dollar", "USD", 90, 1, 1.0), 0.9, "2026-12-04"},
        {waehrung("Franken versteckt", "CHF", 83, 0, 1.0), 1.1, "2026-12-04"},
        {waehrung("Franken (Liechtenstein)", "CHF", 5, 1, 1.0), 1.1, "2026-12-04"},
        {waehrung("Deutsche Mark", "DEM", 36, 1, 0.5112918811962185), 0.5112918811962185, "2022-09-05"},
        {waehrung("Euro", "EUR", 2, 1, 1.0), 1.0, "2022-09-05"},
        {waehrung("Yen", "JPY", 63, 1, 0.006), 0.006, "2022-09-05"},
        {waehrung("Eigene Muschel", "", 5, 1, 0.2), 0.2, "2022-09-05"},
        {waehrung("Eigene Krone", "nok", 5, 1, 0.3), 0.3, "2022-09-05"},
    };
    std::vector<TAusgabetextobject> eintraege;
    for (std::size_t i = 0; i < faelle.size(); ++i)
        eintraege.push_back({faelle[i].satz, static_cast<std::int32_t>(i), {}, {}});
    const TKursuebernahme u = uebernehmeKurse(eintraege, kurse());
    EXPECT_EQ(u.Uebernommen, (std::vector<std::int32_t>{0, 1, 2}));
    EXPECT_EQ(u.Unveraendert, 5u);
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        TEinheitSatz erwartet = faelle[i].satz;
        erwartet.setzeFaktor(faelle[i].faktor);
        erwartet.setzeUebersetzung(faelle[i].stand);
        EXPECT_EQ(eintraege[i].Satz, erwartet)
            << erwartet.Name() << ": only rate and date, hidden stays hidden";
    }
    EXPECT_EQ(uebernahmeText(u, kurse()), "3 Kurse vom 2026-12-04 \xFC"
                                          "bernommen, 5 unver\xE4ndert");
    EXPECT_EQ(uebernahmeText({{7}, 1}, kurse()), "1 Kurs vom 2026-12-04 \xFC"
                                                 "bernommen, 1 unver\xE4ndert");
}

class KurseOhneFenster : public OrdnerTest {
protected:
    void SetUp() override {
        schreibeBytes("Gruppen.nfo",
                      "L\xE4nge\tLAENGE.DAT\tMeter\r\n" + std::string(kWaehrungen) + "\tGELD.DAT\tEuro\r\n");
        schreibeSaetze("GELD.DAT", anfang);
    }
    std::vector<TEinheitSatz> anfang = {waehrung("Euro", "EUR", 2, 1, 1.0),
                                        waehrung("Dollar", "USD", 90, 1, 1.0)};
};

TEST_F(KurseOhneFenster, SchreibtDieDateiDesGebietsWaehrungen) {
    const auto r = aktualisiereWaehrungen(kurse());
    EXPECT_TRUE(r.Erfolg);
    EXPECT_EQ(r.Meldung, "1 Kurs vom 2026-12-04 \xFC"
                         "bernommen, 1 unver\xE4ndert");
    auto erwartet = anfang;
    erwartet[1].setzeFaktor(0.9);
    erwartet[1].setzeUebersetzung("2026-12-04");
    EXPECT_EQ(bytesVon("GELD.DAT"), bytesAus(erwartet));
}

TEST_F(KurseOhneFenster, FehlschlagLaesstAllesWieEsWar) {
    for (const DateiOp op : {DateiOp::Oeffnen, DateiOp::Schreiben, DateiOp::Umbenennen}) {
        HakenWaechter w([op](DateiOp o, std::string_view name) { return o == op && name != "Gruppen.nfo"; });
        const auto r = aktualisiereWaehrungen(kurse());
        EXPECT_FALSE(r.Erfolg);
        EXPECT_EQ(r.Meldung,
                  op == DateiOp::Oeffnen ? oeffnenFehlertext("GELD.DAT") : revisionsFehlertext("GELD.DAT"));
        EXPECT_EQ(bytesVon("GELD.DAT"), bytesAus(anfang));
        EXPECT_EQ(ordner.dateien(), (std::vector<std::string>{"GELD.DAT", "Gruppen.nfo"}));
    }
    schreibeBytes("Gruppen.nfo", "L\xE4nge\tLAENGE.DAT\tMeter\r\n");
    EXPECT_EQ(aktualisiereWaehrungen(kurse()).Meldung, "Das Gebiet \"W\xE4hrungen\" fehlt in Gruppen.nfo.");
    EXPECT_EQ(bytesVon("GELD.DAT"), bytesAus(anfang));
}
