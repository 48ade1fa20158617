#include <gtest/gtest.h>

#include <limits>

#include "Umrechnertest.h"
#include "convert/Umrechner.h"
#include "data/Fehler.h"
#include "data/Gebiete.h"

using namespace qnt;
using namespace qnt::test;

namespace {

const std::string kLaenge = "L\xE4nge";

TEST(Faktorumrechnung, TeiltDieBezugsgroesseDurchJedenFaktor) {
    auto l = eintraegeMitFaktoren({1, 1000, 0.0254});
    const Rechenergebnis e = rechne(kLaenge, "1", 0, l);
    EXPECT_EQ(e.art, Rechenergebnis::Art::Ok);
    EXPECT_TRUE(e.meldung.empty());
    EXPECT_EQ(l[0].ErgebnisWiss, " 1,000000E+0000");
    EXPECT_EQ(l[0].ErgebnisFest, "  1,0000000000");
    EXPECT_EQ(l[1].ErgebnisWiss, " 1,000000E-0003");
    EXPECT_EQ(l[1].ErgebnisFest, "  0,0010000000");
    EXPECT_EQ(l[2].ErgebnisWiss, " 3,937008E+0001");
    EXPECT_EQ(l[2].ErgebnisFest, "  39,370078740");
}

TEST(Faktorumrechnung, QuellzeileZeigtDieEingabeNeuFormatiert) {
    for (const char* eingabe : {"1,50", "1.5", " 1,5", "+1.5", "15e-1", "0,15E1"}) {
        SCOPED_TRACE(eingabe);
        auto l = eintraegeMitFaktoren({2.5, 1});
        ASSERT_EQ(rechne(kLaenge, eingabe, 0, l).art, Rechenergebnis::Art::Ok);
        EXPECT_EQ(l[0].ErgebnisFest, "  1,5000000000");
        EXPECT_EQ(l[1].ErgebnisFest, "  3,7500000000");
    }
}

TEST(Faktorumrechnung, NichtPositiverFaktorGibtNull) {
    auto l = eintraegeMitFaktoren({1, 0, -3});
    ASSERT_EQ(rechne(kLaenge, "7", 0, l).art, Rechenergebnis::Art::Ok);
    for (int i : {1, 2}) {
        EXPECT_EQ(l[static_cast<std::size_t>(i)].ErgebnisWiss, " 0,000000E+0000");
        EXPECT_EQ(l[static_cast<std::size_t>(i)].ErgebnisFest, " 0,000000E+0000");
    }
}

TEST(Faktorumrechnung, GrenzenDerFestkommaform) {
    const struct {
        const char* eingabe;
        const char* fest;
    } faelle[] = {
        {"9,9e12", " 9900000000000"}, {"-9,9e12", "-9900000000000"},  {"9,90000000001e12", " 9,900000E+0012"},
        {"5e-11", "  0,0000000001"},  {"4,9e-11", " 4,900000E-0011"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.eingabe);
        auto l = eintraegeMitFaktoren({1});
        ASSERT_EQ(rechne(kLaenge, f.eingabe, 0, l).art, Rechenergebnis::Art::Ok);
        EXPECT_EQ(l[0].ErgebnisFest, f.fest);
    }
}

TEST(Faktorumrechnung, ZuKleineErgebnisseWerdenDenormalOderNull) {
    auto l = eintraegeMitFaktoren({1e-300, 1e20, 1e300});
    ASSERT_EQ(rechne(kLaenge, "1", 0, l).art, Rechenergebnis::Art::Ok);
    EXPECT_EQ(l[1].ErgebnisWiss, " 9,999889E-0321");
    EXPECT_EQ(l[1].ErgebnisFest, " 9,999889E-0321");
    EXPECT_EQ(l[2].ErgebnisFest, " 0,000000E+0000");
    auto n = eintraegeMitFaktoren({1e-300, 1e300});
    ASSERT_EQ(rechne(kLaenge, "-1e-300", 0, n).art, Rechenergebnis::Art::Ok);
    EXPECT_EQ(n[1].ErgebnisWiss, " 0,000000E+0000") << "a negative zero shows no sign";
}

TEST(Waehrungen, UnbekannterKursZeigtUnbekannt) {
    auto l = eintraegeMitFaktoren({1, 0.5112918811962185, 0, -2, std::numeric_limits<double>::quiet_NaN()});
    ASSERT_EQ(rechne(kWaehrungen, "1", 0, l).art, Rechenergebnis::Art::Ok);
    EXPECT_EQ(l[1].ErgebnisFest, "  1,9558300000");
    EXPECT_EQ(l[1].ErgebnisWiss, " 1,955830E+0000");
    for (std::size_t i : {2u, 3u, 4u}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(l[i].ErgebnisWiss, " unbekannt");
        EXPECT_EQ(l[i].ErgebnisFest, " unbekannt");
    }
    auto ohneKurs = eintraegeMitFaktoren({0, 1});
    ASSERT_EQ(rechne(kWaehrungen, "5", 0, ohneKurs).art, Rechenergebnis::Art::Ok);
    EXPECT_EQ(ohneKurs[1].ErgebnisFest, " unbekannt") << "a source without rate makes every rate unknown";
    auto unterlauf = eintraegeMitFaktoren({1, 1e300});
    ASSERT_EQ(rechne(kWaehrungen, "1e-200", 0, unterlauf).art, Rechenergebnis::Art::Ok);
    EXPECT_EQ(unterlauf[1].ErgebnisWiss, " unbekannt") << "an underflow to zero is unknown";
}

// The ten scales at the positions 0..9; the input at `quelle`.
struct Temperaturfall {
    const char* eingabe;
    int quelle;
    int ziel;
    const char* fest;
};

TEST(Temperatur, RechnetUeberKelvinMitEinrastenUndNullregel) {
    const Temperaturfall faelle[] = {
        {"0", 0, 0, "  0,0000000000"},      {"0", 0, 2, "  32,000000000"},
        {"0", 0, 3, "  273,15000000"},      {"0", 0, 4, "  491,67000000"},
        {"0", 0, 8, "  0,0000000000"},      {"100", 0, 0, "  100,00000000"},
        {"100", 0, 2, "  212,00000000"},    {"100", 0, 3, "  373,15000000"},
        {"100", 0, 4, "  671,67000000"},    {"100", 0, 8, "  80,000000000"},
        {"-18", 0, 0, " -18,000000000"},    {"-18", 0, 2, " -0,4000000000"},
        {"-18", 0, 3, "  255,15000000"},    {"-18", 0, 4, "  459,27000000"},
        {"-18", 0, 8, " -14,400000000"},    {"-40", 2, 0, " -40,000000000"},
        {"-40", 2, 2, " -40,000000000"},    {"-40", 2, 6, " -40,000000000"},
        {"0", 3, 0, " -273,15000000"},      {"0", 3, 2, " -459,67000000"},
        {"0", 3, 9, "  0,0000000000"},      {"0", 3, 7, "  0,0000000000"},
        {"32", 6, 1, "  0,0000000000"},     {"32", 6, 5, "  0,0000000000"},
        {"491,67", 7, 0, "  0,0000000000"}, {"80", 8, 0, "  100,00000000"},
        {".", 0, 2, "  32,000000000"},      {"-500", 0, 3, " -226,85000000"},
        {"98,6", 2, 0, "  37,000000000"},   {"1e-11", 0, 0, "  0,0000000000"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.eingabe) + " an " + std::to_string(f.quelle) + " nach " +
                     std::to_string(f.ziel));
        auto l = eintraegeAnPositionen({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        ASSERT_EQ(rechne(kTemperatur, f.eingabe, f.quelle, l).art, Rechenergebnis::Art::Ok);
        EXPECT_EQ(l[static_cast<std::size_t>(f.ziel)].ErgebnisFest, f.fest);
    }
}

TEST(Temperatur, NullBehaeltDieWissenschaftlicheForm) {
    auto l = eintraegeAnPositionen({0, 3});
    ASSERT_EQ(rechne(kTemperatur, "0", 0, l).art, Rechenergebnis::Art::Ok);
    EXPECT_EQ(l[0].ErgebnisWiss, " 0,000000E+0000");
    EXPECT_EQ(l[0].ErgebnisFest, "  0,0000000000");
    EXPECT_EQ(l[1].ErgebnisWiss, " 2,731500E+0002");
}

struct Zuteilungsfall {
    const char* name;
    std::string gebiet;
    const char* eingabe;
    Rechenergebnis::Art art;
};

// Each input means something only to the converter it is meant for.
TEST(Zuteilung, WaehltDenUmrechnerNachDemGenauenNamen) {
    const Zuteilungsfall faelle[] = {
        {"TemperaturNimmtNull", std::string(kTemperatur), "0", Rechenergebnis::Art::Ok},
        {"GrossKleinZaehlt", "temperatur", "0", Rechenergebnis::Art::Eingabefehler},
        {"ZahlensystemeBinaer", std::string(kZahlensysteme), "101", Rechenergebnis::Art::Ok},
        {"WeltzeitUhrzeit", std::string(kWeltzeit), "12:00", Rechenergebnis::Art::Ok},
        {"WeltzeitOhneDoppelpunkt", std::string(kWeltzeit), "12", Rechenergebnis::Art::Eingabefehler},
        {"BruecheBruch", std::string(kBrueche), "3/4", Rechenergebnis::Art::Ok},
        {"BruecheOhneUmlaut", "Bruche", "3/4", Rechenergebnis::Art::Eingabefehler},
        {"WaehrungenWieFaktor", std::string(kWaehrungen), "2", Rechenergebnis::Art::Ok},
        {"GewoehnlichesGebiet", kLaenge, "12:00", Rechenergebnis::Art::Eingabefehler},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        auto l = eintraegeAnPositionen({0, 1});
        EXPECT_EQ(rechne(f.gebiet, f.eingabe, 0, l).art, f.art);
    }
    auto l = eintraegeMitFaktoren({1, 0});
    ASSERT_EQ(rechne(kWaehrungen, "2", 0, l).art, Rechenergebnis::Art::Ok);
    EXPECT_EQ(l[1].ErgebnisFest, " unbekannt");
}

TEST(Zuteilung, MarkierteZeileAusserhalbDerListeIstEinIndexfehler) {
    auto l = eintraegeMitFaktoren({1, 2});
    try {
        (void)rechne(kLaenge, "1", 2, l);
        ADD_FAILURE() << "keine Ausnahme";
    } catch (const LaufzeitFehler& e) {
        EXPECT_STREQ(e.what(), "Der Index der Liste \xFC"
                               "berschreitet das Maximum (2)");
    }
    EXPECT_THROW((void)rechne(kLaenge, "1", -1, l), LaufzeitFehler);
    EXPECT_TRUE(unveraendert(l));
    std::vector<TAusgabetextobject> leer;
    EXPECT_EQ(rechne(kLaenge, "1", 0, leer).art, Rechenergebnis::Art::Nichts);
}

} // namespace
