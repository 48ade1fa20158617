#include <gtest/gtest.h>

#include "PflegeTesthilfe.h"
#include "search/Suche.h"

using namespace qnt;
using namespace pflegetest;

namespace {

TEinheitSatz einheit(std::string_view name, std::string_view kurz, std::string_view sonstige,
                     std::uint8_t landNr = 1, std::uint8_t angezeigt = 1) {
    TEinheitSatz s = satz(name, angezeigt, landNr);
    s.setzeKurzzeichen(kurz);
    s.setzeSonstigeNamen(sonstige);
    return s;
}

} // namespace

class Suche : public OrdnerTest {
protected:
    void SetUp() override {
        gebiete = {{"L\xE4nge", "LAENGE.DAT", "Meter"},
                   {"Masse", "MASSE.DAT", "Kilogramm"},
                   {"Zeit", "ZEIT.DAT", "Sekunde"}};
        schreibeSaetze("LAENGE.DAT",
                       {einheit("Fu\xDF", "ft", "Schuh", 36), einheit("Klafter", "kl", "Faden, Toise", 37),
                        einheit("Meile", "mi", "Landmeile", 4, 0), einheit("Meter", "m", "", 1),
                        einheit("Millimeter", "mm", "", 1), einheit("\xC4gyptische Elle", "", "", 22)});
        schreibeSaetze("MASSE.DAT",
                       {einheit("Gran", "gr", "", 3), einheit("Meterzentner", "M", "Meter-Zentner", 36),
                        einheit("\xE4ltere Unze", "oz", "", 3)});
        schreibeSaetze("ZEIT.DAT", {einheit("Minute", "min", "", 1), einheit("Monat", "M", "", 2)});
    }

    std::vector<std::string> zeilen(std::string_view begriff, Suchart art,
                                    Namenssuche n = Namenssuche::Bestandteil) {
        const auto e = suche(gebiete, begriff, art, n);
        EXPECT_TRUE(e.has_value());
        EXPECT_FALSE(e->DateiFehlt);
        return trefferZeilen(gebiete, e->Treffer);
    }

    TGebiete gebiete;
};

using enum Suchart;
using enum Namenssuche;

TEST_F(Suche, FindetDieseZeilenInDieserOrdnung) {
    using V = std::vector<std::string>;
    const V meter = {"Meter - SI-Einheit", "Millimeter - SI-Einheit", "Meterzentner - Deutschland"};
    const struct {
        const char* name;
        const char* begriff;
        Suchart art;
        Namenssuche namen;
        V zeilen;
    } faelle[] = {
        {"Teil des Namens in allen Gebieten", "meter", Name, Bestandteil, meter},
        {"gross geschrieben", "METER", Name, Bestandteil, meter},
        {"sonstige Namen mit ihrem Feld", "faden", Name, Bestandteil, {"Faden, Toise - Deutschland - Baden"}},
        {"ausgeblendete", "landm", Name, Bestandteil, {"Landmeile - Eigene Einheit"}},
        {"Name und sonstige treffen einmal", "meter", Name, Exakt, {"Meter - SI-Einheit"}},
        {"zwei Felder treffen einmal", "zentner", Name, Bestandteil, {"Meterzentner - Deutschland"}},
        {"grosser Umlaut findet kleinen nicht", "\xC4lter", Name, Bestandteil, {}},
        {"kleiner Umlaut findet grossen nicht", "\xE4gypt", Name, Bestandteil, {}},
        {"Umlaut gleicher Schreibung", "\xC4gypt", Name, Bestandteil,
         {"\xC4gyptische Elle - \xC4gypten antik"}},
        {"sz bleibt sz", "FU\xDF", Name, Bestandteil, {"Fu\xDF - Deutschland"}},
        {"exakt gegen mehrere Namen", "Faden", Name, Exakt, {}},
        {"exakt das ganze Feld", "FADEN, toise", Name, Exakt, {"Faden, Toise - Deutschland - Baden"}},
        {"exakt nicht ein Teil", "Mete", Name, Exakt, {}},
        {"exakt auch der erste Buchstabe", "Peter", Name, Exakt, {}},
        {"ein Buchstabe in beiden Schreibungen", "m", Abkuerzung, Bestandteil,
         {"m - Meter - SI-Einheit", "M - Meterzentner - Deutschland", "M - Monat - Internationale Einheit"}},
        {"Abkuerzung gross geschrieben", "MM", Abkuerzung, Exakt, {"mm - Millimeter - SI-Einheit"}},
        {"Abkuerzung nur ganz", "mi", Abkuerzung, Bestandteil, {"mi - Meile - Eigene Einheit"}},
        {"kein Treffer", "Parsec", Name, Bestandteil, {}},
    };
    for (const auto& f : faelle) EXPECT_EQ(zeilen(f.begriff, f.art, f.namen), f.zeilen) << f.name;
}

TEST_F(Suche, TrefferTragenGebietSatzLandUndAnzeige) {
    const auto e = suche(gebiete, "me", Name, Bestandteil);
    ASSERT_TRUE(e);
    ASSERT_EQ(e->Treffer.size(), 4u);
    EXPECT_EQ(e->Treffer[0], (TSuchobjekt{1, 2, 4, 0, Trefferfeld::Name}));
    EXPECT_EQ(e->Treffer[1], (TSuchobjekt{1, 3, 1, 1, Trefferfeld::Name}));
    EXPECT_EQ(e->Treffer[3], (TSuchobjekt{2, 1, 36, 1, Trefferfeld::Name}));
    EXPECT_EQ(e->Treffer[2].SatzNr, 4);
    const auto z = suche(gebiete, "MONAT", Name);
    ASSERT_TRUE(z && z->Treffer.size() == 1);
    EXPECT_EQ(z->Treffer[0], (TSuchobjekt{3, 1, 2, 1, Trefferfeld::Name}));
    EXPECT_EQ(trefferSatz(gebiete, z->Treffer[0])->Name(), "Monat");
    EXPECT_EQ(suche(gebiete, "", Abkuerzung), std::nullopt) << "an empty term searches nothing";
}

TEST_F(Suche, FehlendeDateiBeendetDieSucheUndBehaeltDieTreffer) {
    std::remove("MASSE.DAT");
    const auto e = suche(gebiete, "m", Abkuerzung);
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->DateiFehlt);
    EXPECT_EQ(trefferZeilen(gebiete, e->Treffer), std::vector<std::string>{"m - Meter - SI-Einheit"})
        << "Zeit is not searched any more";
}

TEST_F(Suche, LiestJedeDateiInEinemStueck) {
    int lesen = 0, oeffnen = 0;
    HakenWaechter w([&](DateiOp op, std::string_view) {
        lesen += op == DateiOp::Lesen;
        oeffnen += op == DateiOp::Oeffnen;
        return false;
    });
    ASSERT_TRUE(suche(gebiete, "x", Name));
    EXPECT_EQ(oeffnen, 3);
    EXPECT_EQ(lesen, 3);
}

TEST_F(Suche, UnvollstaendigerSatzAmEndeZaehltNicht) {
    schreibeBytes("ZEIT.DAT", bytesVon("ZEIT.DAT") + std::string(100, 'M'));
    EXPECT_EQ(zeilen("mona", Name), std::vector<std::string>{"Monat - Internationale Einheit"});
}

TEST_F(Suche, EinblendenSetztNurByteNull) {
    const std::string vorher = bytesVon("LAENGE.DAT");
    const auto e = suche(gebiete, "Meile", Name, Exakt);
    ASSERT_TRUE(e && e->Treffer.size() == 1);
    trefferEinblenden(gebiete, e->Treffer[0]);
    std::string erwartet = vorher;
    erwartet[2 * kSatzGroesse] = 1;
    EXPECT_EQ(bytesVon("LAENGE.DAT"), erwartet);
    EXPECT_EQ(e->Treffer[0].Angezeigt, 0) << "the hit keeps what was read";
}

TEST(Suchtreffer, ImListeneintragNachNameUndLand) {
    std::vector<TAusgabetextobject> liste;
    for (auto [name, land] : {std::pair{"Elle", 36}, {"elle", 37}, {"Elle", 37}, {"Elle", 37}})
        liste.push_back({satz(name, 1, static_cast<std::uint8_t>(land)), 0, {}, {}});
    EXPECT_EQ(findeTreffer(liste, "Elle", 37), 2u) << "case-sensitive, first of equals";
    EXPECT_EQ(findeTreffer(liste, "Elle", 50), std::nullopt);
}
