#include <gtest/gtest.h>

#include "PflegeTesthilfe.h"
#include "data/Fehler.h"
#include "maintain/Gebietsverwaltung.h"

using namespace qnt;
using namespace pflegetest;

TEST(Dateinamenvorschlag, AchtZeichenGrossNachCodepage) {
    EXPECT_EQ(dateinamenVorschlag("L\xE4ngeneinheiten alt"), "L\xC4NGENEI");
    EXPECT_EQ(dateinamenVorschlag("Gr\xF6\xDF" "en"), "GR\xD6\xDF" "EN") << "ß stays";
    EXPECT_EQ(dateinamenVorschlag(""), "");
}

TEST(Dateiname, NurBloseDateinamen) {
    for (const char* name : {"AKUSTIK", "L\xC4NGENEI", "A B", "TEMPO"})
        EXPECT_TRUE(dateinameZulaessig(name)) << name;
    for (const char* name : {"", ".", "..", "a/b", "a\\b", "C:X", "A*", "A?", "A\"", "A<", "A>", "A|B",
                             "A\tB", "TEMP", "temp", "CON", "lpt1"})
        EXPECT_FALSE(dateinameZulaessig(name)) << name;
}

namespace {

TGebiete dreiGebiete() {
    return {{"Beschleunigung", "BESCHLEU.DAT", "Meter pro Quadratsekunde"},
            {"Energie", "ENERGIE.DAT", "Joule"},
            {"Zeit", "ZEIT.DAT", "Sekunde"}};
}

TNeuesGebiet akustik() {
    TNeuesGebiet n;
    n.Gebietname = "Akustik";
    n.Grundeinheit = "Bel";
    n.Kurzzeichen = "B";
    n.SonstigeNamen = "Dezibel/10";
    n.Einsatzgebiet = "Schall";
    n.Information = "Pegel von Schall.\nZweite Zeile";
    n.Dateiname = "AKUSTIK";
    n.LandNr = 2;
    return n;
}

} // namespace

struct PruefFall {
    const char* name;
    TNeuesGebiet eingabe;
    std::vector<TGebietPruefung> erwartet;
};

class Pruefung : public OrdnerTest, public ::testing::WithParamInterface<PruefFall> {};

TEST_P(Pruefung, MeldetJedeFehlendeOderDoppelteAngabe) {
    schreibeBytes("VORHANDE.DAT", "");
    EXPECT_EQ(pruefeNeuesGebiet(GetParam().eingabe, dreiGebiete()), GetParam().erwartet);
}

namespace {
TNeuesGebiet mit(void (*aendere)(TNeuesGebiet&)) {
    TNeuesGebiet n = akustik();
    aendere(n);
    return n;
}
const std::string fehlt(kFehlendeAngabe);
} // namespace

// One field changed from a valid entry.
PruefFall fall(const char* name, void (*aendere)(TNeuesGebiet&), GebietFeld feld, std::string_view text) {
    TNeuesGebiet n = akustik();
    aendere(n);
    return {name, n, {{feld, std::string(text)}}};
}

INSTANTIATE_TEST_SUITE_P(
    NeuesGebiet, Pruefung,
    ::testing::Values(
        PruefFall{"allesRichtig", akustik(), {}},
        PruefFall{"allesLeer", TNeuesGebiet{},
                  {{GebietFeld::Name, fehlt}, {GebietFeld::Grundeinheit, fehlt}, {GebietFeld::Dateiname, fehlt}}},
        fall("DateiVorhanden", [](TNeuesGebiet& n) { n.Dateiname = "VORHANDE"; }, GebietFeld::Dateiname,
             kDateinameVorhanden),
        fall("DateiImIndexAuchOhneDatei", [](TNeuesGebiet& n) { n.Dateiname = "energie"; }, GebietFeld::Dateiname,
             kDateinameVorhanden),
        fall("NameVorhanden", [](TNeuesGebiet& n) { n.Gebietname = "Energie"; }, GebietFeld::Name, kGebietVorhanden),
        PruefFall{"NameInAndererSchreibungIstNeu", mit([](TNeuesGebiet& n) { n.Gebietname = "ENERGIE"; }), {}},
        fall("DateinameUnzulaessig", [](TNeuesGebiet& n) { n.Dateiname = "../X"; }, GebietFeld::Dateiname,
             kDateinameUnzulaessig),
        fall("SternInDerInformation", [](TNeuesGebiet& n) { n.Information = "a*b"; }, GebietFeld::Information,
             kZeichenUnzulaessig),
        fall("SternOderTabImNamen", [](TNeuesGebiet& n) { n.Gebietname = "A*\tB"; }, GebietFeld::Name,
             kZeichenUnzulaessig),
        fall("TabInDerGrundeinheit", [](TNeuesGebiet& n) { n.Grundeinheit = "a\tb"; }, GebietFeld::Grundeinheit,
             kZeichenUnzulaessig),
        PruefFall{"NameLeerUndDoppelt", mit([](TNeuesGebiet& n) { n.Gebietname = "", n.Dateiname = "VORHANDE"; }),
                  {{GebietFeld::Name, fehlt}, {GebietFeld::Dateiname, std::string(kDateinameVorhanden)}}}),
    NachName{});

TEST(Einfuegestelle, NachGrossbuchstaben) {
    TGebiete g = dreiGebiete();
    g.push_back({"\xC4quivalentdosis", "AEQUIDOS.DAT", "Sievert"});
    // The same name in any case goes behind; umlauts sort after Z, small as capital.
    const std::pair<const char*, std::size_t> faelle[] = {
        {"Akustik", 0}, {"energie", 2},     {"Energie", 2},            {"Volumen", 2},
        {"Zoll", 3},    {"\xE4hnlich", 3}, {"\xDC" "bersicht", 4}, {"", 0},
    };
    for (const auto& [gebiet, stelle] : faelle) EXPECT_EQ(einfuegeStelle(g, gebiet), stelle) << gebiet;
}

TEST(Grundeinheit, SatzByteFuerByte) {
    const TEinheitSatz s = grundeinheitSatz(akustik());
    EXPECT_EQ(s.bytes[0], 1);
    EXPECT_EQ(s.bytes[1], 0x6A);
    EXPECT_EQ(s.bytes[2], 0);
    TEinheitSatz e = neuerEigenerSatz();
    e.setzeLandNr(2);
    e.setzeKurzzeichen("B");
    e.setzeName("Bel");
    e.setzeFaktor(1);
    e.setzeSonstigeNamen("Dezibel/10");
    e.setzeEinsatzgebiet("Schall");
    EXPECT_EQ(s, e) << "every other byte is zero";
}

TEST(Gebietsbeschreibung, LeereInformation) {
    TNeuesGebiet n = akustik();
    EXPECT_EQ(gebietsBeschreibungNeu(n), "Akustik: \r\nPegel von Schall.\r\nZweite Zeile");
    n.Information.clear();
    EXPECT_EQ(gebietsBeschreibungNeu(n), "Akustik: \r\nKeine Angaben vorhanden.");
}

TEST(Gebietsinfo, NeueBeschreibungVorDerErsten) {
    const std::string alt = "Besch 1\r\nBesch 2\r\n*\r\nEnergie\r\n*\r\nZeit\r\n*\r\n";
    EXPECT_EQ(gebietsinfoMitNeuem(alt, 3, 0, "Neu"),
              "Neu\r\n*\r\nBesch 1\r\nBesch 2\r\n*\r\nEnergie\r\n*\r\nZeit\r\n*\r\n");
    EXPECT_EQ(gebietsinfoMitNeuem(alt, 3, 1, "Neu"),
              "Besch 1\r\nBesch 2\r\n*\r\nNeu\r\n*\r\nEnergie\r\n*\r\nZeit\r\n*\r\n");
    EXPECT_EQ(gebietsinfoMitNeuem(alt, 3, 3, "Neu"),
              "Besch 1\r\nBesch 2\r\n*\r\nEnergie\r\n*\r\nZeit\r\n*\r\nNeu\r\n*\r\n");
    EXPECT_EQ(gebietsinfoOhne(alt, 3, 0), "Energie\r\n*\r\nZeit\r\n*\r\n");
    EXPECT_EQ(gebietsinfoOhne(alt, 3, 1), "Besch 1\r\nBesch 2\r\n*\r\nZeit\r\n*\r\n");
    EXPECT_EQ(gebietsinfoMitNeuem("Nur eine\r\n*\r\n", 3, 2, "Neu"),
              "Nur eine\r\n*\r\n\r\n*\r\nNeu\r\n*\r\n\r\n*\r\n")
        << "missing descriptions are filled with empty ones";
}

// A temporary data folder with three categories, their descriptions and data files.
class Gebietsordner : public OrdnerTest {
protected:
    void SetUp() override {
        gebiete = dreiGebiete();
        ASSERT_TRUE(speichereGebiete(gebiete));
        schreibeBytes("Gebiet.nfo", "Beschleunigung:\r\nZweite Zeile\r\n*\r\nEnergie:\r\n*\r\n\r\n*\r\n");
        ASSERT_TRUE(ladeGebietsinfo(gebietsinfo));
        for (const auto& g : gebiete)
            schreibeSaetze(g.Dateiname, {satz(g.Bezug)});
        schnappschuss = stand();
    }

    // Every file of the folder with its bytes.
    std::vector<std::pair<std::string, std::string>> stand() const {
        std::vector<std::pair<std::string, std::string>> s;
        for (const auto& d : ordner.dateien())
            s.emplace_back(d, bytesVon(d));
        return s;
    }

    // Each listed category has its data file and, at the same position, its description.
    void pruefeImGleichschritt() const {
        TGebiete g;
        std::string info;
        ASSERT_TRUE(ladeGebiete(g));
        ASSERT_TRUE(ladeGebietsinfo(info));
        for (std::size_t k = 0; k < g.size(); ++k) {
            EXPECT_TRUE(dateiExistiert(g[k].Dateiname)) << g[k].Dateiname;
            const std::string b = gebietsBeschreibung(info, static_cast<int>(k + 1));
            if (!b.empty() && b != "\r\n\r\n") {
                EXPECT_NE(b.find(g[k].Gebietname), std::string::npos) << k;
            }
        }
        EXPECT_EQ(g.size(), static_cast<std::size_t>(std::count(info.begin(), info.end(), '*')))
            << "one description per category";
    }

    TGebiete gebiete;
    std::string gebietsinfo;
    std::vector<std::pair<std::string, std::string>> schnappschuss;
};

TEST_F(Gebietsordner, AkustikWirdErstesGebietMitErsterBeschreibung) {
    const std::size_t k = legeGebietAn(gebiete, gebietsinfo, akustik());
    EXPECT_EQ(k, 0u);
    EXPECT_EQ(bytesVon("Gruppen.nfo"), "Akustik\tAKUSTIK.DAT\tBel\r\n"
                                       "Beschleunigung\tBESCHLEU.DAT\tMeter pro Quadratsekunde\r\n"
                                       "Energie\tENERGIE.DAT\tJoule\r\n"
                                       "Zeit\tZEIT.DAT\tSekunde\r\n");
    EXPECT_EQ(bytesVon("Gebiet.nfo"), "Akustik: \r\nPegel von Schall.\r\nZweite Zeile\r\n*\r\n"
                                      "Beschleunigung:\r\nZweite Zeile\r\n*\r\n"
                                      "Energie:\r\n*\r\n"
                                      "\r\n*\r\n");
    EXPECT_EQ(bytesVon("AKUSTIK.DAT"), bytesAus({grundeinheitSatz(akustik())}));
    TGebiete geladen;
    std::string info;
    ASSERT_TRUE(ladeGebiete(geladen));
    ASSERT_TRUE(ladeGebietsinfo(info));
    EXPECT_EQ(geladen, gebiete) << "memory and files agree";
    EXPECT_EQ(info, gebietsinfo);
    EXPECT_EQ(gebietsBeschreibung(gebietsinfo, 2), "\r\nBeschleunigung:\r\nZweite Zeile\r\n");
    pruefeImGleichschritt();
}

TEST_F(Gebietsordner, LoeschenDesMittleren) {
    loescheGebiet(gebiete, gebietsinfo, 1);
    EXPECT_EQ(bytesVon("Gruppen.nfo"), "Beschleunigung\tBESCHLEU.DAT\tMeter pro Quadratsekunde\r\n"
                                       "Zeit\tZEIT.DAT\tSekunde\r\n");
    EXPECT_EQ(bytesVon("Gebiet.nfo"), "Beschleunigung:\r\nZweite Zeile\r\n*\r\n\r\n*\r\n");
    EXPECT_EQ(ordner.dateien(), (std::vector<std::string>{"BESCHLEU.DAT", "Gebiet.nfo", "Gruppen.nfo", "ZEIT.DAT"}));
    pruefeImGleichschritt();
}

TEST_F(Gebietsordner, FehlendeDatendateiBeimLoeschenAendertNichts) {
    std::remove("ENERGIE.DAT");
    schnappschuss = stand();
    const TGebiete vorher = gebiete;
    try {
        loescheGebiet(gebiete, gebietsinfo, 1);
        FAIL() << "no error";
    } catch (const LaufzeitFehler& e) {
        EXPECT_STREQ(e.what(), "Datei nicht gefunden");
    }
    EXPECT_EQ(gebiete, vorher);
    EXPECT_EQ(stand(), schnappschuss);
}

TEST_F(Gebietsordner, EinzigesGebietWirdNichtGeloescht) {
    while (gebiete.size() > 1)
        loescheGebiet(gebiete, gebietsinfo, 0);
    ASSERT_TRUE(gebietLoeschVerweigerung(gebiete));
    EXPECT_EQ(*gebietLoeschVerweigerung(gebiete), "Das einzige Gebiet kann nicht gel\xF6scht werden!");
    EXPECT_THROW(loescheGebiet(gebiete, gebietsinfo, 0), LaufzeitFehler);
    EXPECT_EQ(gebiete.size(), 1u);
    EXPECT_TRUE(dateiExistiert("ZEIT.DAT"));
    EXPECT_EQ(gebietLoeschVerweigerung(dreiGebiete()), std::nullopt);
}

TEST_F(Gebietsordner, VorhandeneDateiWirdNichtUeberschrieben) {
    schreibeBytes("AKUSTIK.DAT", "alt");
    const TGebiete vorher = gebiete;
    EXPECT_THROW(legeGebietAn(gebiete, gebietsinfo, akustik()), LaufzeitFehler);
    EXPECT_EQ(bytesVon("AKUSTIK.DAT"), "alt");
    EXPECT_EQ(gebiete, vorher);
}

// A failure at every file operation in turn: all three files stay in step, old or new, and the
// memory is changed only when the files are.
TEST_F(Gebietsordner, StoerungJedesSchrittsBeimAnlegenUndLoeschen) {
    struct Vorgang {
        const char* name;
        std::function<void(TGebiete&, std::string&)> tue;
    };
    const std::vector<Vorgang> vorgaenge{
        {"anlegen", [](TGebiete& g, std::string& i) { legeGebietAn(g, i, akustik()); }},
        {"loeschen", [](TGebiete& g, std::string& i) { loescheGebiet(g, i, 1); }}};
    int versuche = 0;
    for (const auto& v : vorgaenge) {
        std::size_t anzahlOps = 0;
        std::vector<std::pair<std::string, std::string>> nachher;
        {
            TGebiete g = gebiete;
            std::string i = gebietsinfo;
            {
                HakenWaechter w([&](DateiOp, std::string_view) { return ++anzahlOps, false; });
                v.tue(g, i);
            }
            nachher = stand();
            for (const auto& [d, b] : nachher)
                std::remove(d.c_str());
            for (const auto& [d, b] : schnappschuss)
                schreibeBytes(d, b);
        }
        for (std::size_t k = 0; k < anzahlOps; ++k) {
            TGebiete g = gebiete;
            std::string i = gebietsinfo;
            bool geworfen = false;
            {
                std::size_t zaehler = 0;
                HakenWaechter w([&](DateiOp, std::string_view) { return zaehler++ == k; });
                try {
                    v.tue(g, i);
                } catch (const LaufzeitFehler&) {
                    geworfen = true;
                }
            }
            ++versuche;
            const auto jetzt = stand();
            if (geworfen) {
                EXPECT_EQ(jetzt, schnappschuss) << v.name << ", operation " << k;
                EXPECT_EQ(g, gebiete) << v.name << ", operation " << k;
                EXPECT_EQ(i, gebietsinfo);
            } else {
                // Only a failed clean-up of the set-aside file may pass unnoticed.
                auto ohneRest = jetzt;
                std::erase_if(ohneRest, [](const auto& p) { return p.first.ends_with(".ALT"); });
                EXPECT_EQ(ohneRest, nachher) << v.name << ", operation " << k;
            }
            pruefeImGleichschritt();
            for (const auto& [d, b] : jetzt)
                std::remove(d.c_str());
            for (const auto& [d, b] : schnappschuss)
                schreibeBytes(d, b);
        }
    }
    std::printf("[ Stoerung ] categories: %d injected failures, the index files stayed in step\n", versuche);
}
