#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "convert/Zahlen.h"
#include "data/Fehler.h"

using namespace qnt;

namespace {

struct Lesefall {
    const char* name;
    const char* text;
    double wert;
};

TEST(Dezimalzahl, LiestJedeFormDerGrammatik) {
    const Lesefall faelle[] = {
        {"Komma", "1,5", 1.5}, {"Punkt", "1.5", 1.5}, {"fuehrendeBlanks", "   12", 12}, {"Plus", "+3", 3},
        {"Minus", "-2,5", -2.5}, {"Exponent", "1e3", 1000}, {"ExponentGrossMitPlus", "1E+3", 1000},
        {"ExponentNegativ", "25e-1", 2.5}, {"KommaUndExponent", "2,5E2", 250},
        {"OhneNachkommaziffern", "5.", 5}, {"OhneVorkommaziffern", ".5", 0.5}, {"NurTrenner", ".", 0},
        {"NurExponent", "E5", 0}, {"ExponentNachTrenner", "5.E3", 5000},
        {"LangeZiffernfolge", "3.14159265358979323846", 3.14159265358979323846},
        {"GroessterDouble", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"RundetAufGroesstenDouble", "1.79769313486231579e308", std::numeric_limits<double>::max()},
        {"KleinsterDenormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"UnterDenormalWirdNull", "1e-400", 0}, {"RiesigerNegativerExponent", "1e-99999999999", 0},
        {"NullMitRiesigemExponent", "0e99999999999", 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const Dezimalzahl z = dezimalzahlPruefen(f.text);
        ASSERT_EQ(z.status, Lesestatus::Ok);
        EXPECT_EQ(z.wert, f.wert);
    }
}

TEST(Dezimalzahl, MinusNullIstNegativeNull) {
    for (const char* text : {"-0", "-0,0", "-.", "-E5"}) {
        SCOPED_TRACE(text);
        const auto v = dezimalzahlLesen(text);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(*v, 0.0);
        EXPECT_TRUE(std::signbit(*v));
    }
}

TEST(Dezimalzahl, WeistFehlgeformteTexteZurueck) {
    const char* faelle[] = {"",        " ",    "-",    "+",   "1e",  "1e+",  "e",    "12 ",
                            "1.000,5", "1,,5", "1.5.", "abc", "1 2", "--1",  "+-1",  "\t1",
                            "1e5.5",   "0x10", "inf",  "nan", "1e-", "1,5 ", "1e3 ", "- 1",
                            "1E5E5",   "1.5e", "12a",  ".,",  "+.e", "1e 5", "\xB2"};
    for (const char* text : faelle) {
        SCOPED_TRACE(text);
        EXPECT_EQ(dezimalzahlPruefen(text).status, Lesestatus::Fehler);
        EXPECT_FALSE(dezimalzahlLesen(text).has_value());
    }
}

TEST(Dezimalzahl, MeldetUeberlaufJenseitsVonDouble) {
    for (const char* text : {"1e309", "-1e309", "1,8e308", "9999e305", "1e99999999999", "1e4933", "1e5000"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(dezimalzahlPruefen(text).status, Lesestatus::Ueberlauf);
        try {
            (void)dezimalzahlLesen(text);
            ADD_FAILURE() << "keine Ausnahme";
        } catch (const LaufzeitFehler& e) {
            EXPECT_STREQ(e.what(), "Gleitkomma\xFC"
                                   "berlauf");
        }
    }
}

struct Ganzzahlfall {
    const char* name;
    const char* text;
    std::optional<std::int32_t> wert;
};

TEST(Ganzzahl, LiestNurVorzeichenbehafteteZweiunddreissigBit) {
    const Ganzzahlfall faelle[] = {
        {"Null", "0", 0}, {"fuehrendeBlanks", "  12", 12}, {"Plus", "+3", 3}, {"Minus", "-7", -7},
        {"FuehrendeNullen", "0007", 7}, {"Kleinste", "-2147483648", INT32_MIN},
        {"Groesste", "2147483647", INT32_MAX}, {"UeberGroesster", "2147483648", std::nullopt},
        {"UnterKleinstem", "-2147483649", std::nullopt},
        {"SehrLang", "99999999999999999999999", std::nullopt}, {"Leer", "", std::nullopt},
        {"NurBlanks", "   ", std::nullopt}, {"NurVorzeichen", "-", std::nullopt},
        {"BlankHinten", "12 ", std::nullopt}, {"BlankNachVorzeichen", "- 1", std::nullopt},
        {"Dezimalpunkt", "1.0", std::nullopt}, {"Exponent", "1e3", std::nullopt},
        {"Hexadezimal", "$FF", std::nullopt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(ganzzahlLesen(f.text), f.wert);
    }
}

struct Formatfall {
    const char* name;
    double r;
    const char* wiss;
    const char* fest;
};

TEST(ErgebnisFormatieren, SchreibtBeideTexteExakt) {
    const double dmax = std::numeric_limits<double>::max();
    const double denorm = std::numeric_limits<double>::denorm_min();
    const Formatfall faelle[] = {
        {"Eins", 1, " 1,000000E+0000", "  1,0000000000"},
        {"Tausendstel", 0.001, " 1,000000E-0003", "  0,0010000000"},
        {"Tausendzweihundert", 1234.5, " 1,234500E+0003", "  1234,5000000"},
        {"SiebenStellenGerundet", 123456.789, " 1,234568E+0005", "  123456,78900"},
        {"Negativ", -1.5, "-1,500000E+0000", " -1,5000000000"},
        {"ZehnHochZehn", 1e10, " 1,000000E+0010", "   10000000000"},
        {"ObereGrenze", 9.9e12, " 9,900000E+0012", " 9900000000000"},
        {"UeberObererGrenze", std::nextafter(9.9e12, 1e13), " 9,900000E+0012", " 9,900000E+0012"},
        {"UnterUntererGrenze", 3e-11, " 3,000000E-0011", " 3,000000E-0011"},
        {"UntereGrenze", 5e-11, " 5,000000E-0011", "  0,0000000001"},
        {"KnappUnterUntererGrenze", std::nextafter(5e-11, 0.0), " 5,000000E-0011", " 5,000000E-0011"},
        {"Null", 0, " 0,000000E+0000", " 0,000000E+0000"},
        {"NegativeNull", -0.0, " 0,000000E+0000", " 0,000000E+0000"},
        {"UebertragInDenExponenten", 9.99999999, " 1,000000E+0001", "  9,9999999900"},
        {"UebertragVorDasKomma", 9.99999999999, " 1,000000E+0001", " 10,0000000000"},
        {"UebertragNegativ", -9.99999999999, "-1,000000E+0001", "-10,0000000000"},
        {"UebertragBeiEinerStelle", 9999999999.96, " 1,000000E+0010", " 10000000000,0"},
        {"ZehnHatNeunStellen", 10, " 1,000000E+0001", "  10,000000000"},
        {"KnappUnterZehn", std::nextafter(10.0, 0.0), " 1,000000E+0001", " 10,0000000000"},
        {"HalbeAufZehnStellen", 1.0 / 2048, " 4,882813E-0004", "  0,0004882813"},
        {"HalbeAufNeunStellen", 10 + 1.0 / 1024, " 1,000098E+0001", "  10,000976563"},
        {"HalbeImGanzzahligen", 12345665, " 1,234567E+0007", "  12345665,000"},
        {"HalbeOhneNachkomma", 12345678900.5, " 1,234568E+0010", "   12345678901"},
        {"DichtUnterHalbe", 0.12345674999999999, " 1,234567E-0001", "  0,1234567500"},
        {"DoubleKnappUnterHalbe", 1.5e-10, " 1,500000E-0010", "  0,0000000001"},
        {"GroessterDouble", dmax, " 1,797693E+0308", " 1,797693E+0308"},
        {"KleinsterDenormal", denorm, " 4,940656E-0324", " 4,940656E-0324"},
        {"DenormalNegativ", -denorm, "-4,940656E-0324", "-4,940656E-0324"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const Ergebnistexte t = Ergebnis_formatieren(f.r);
        EXPECT_EQ(t.Wiss, f.wiss);
        EXPECT_EQ(t.Fest, f.fest);
        EXPECT_EQ(t.Wiss.size(), 15u);
    }
}

TEST(ErgebnisFormatieren, WeistNichtEndlicheWerteMitUeberlaufZurueck) {
    for (double r : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW((void)Ergebnis_formatieren(r), LaufzeitFehler);
    }
}

TEST(Nachkommastellen, ZaehltGrenzenExklusiv) {
    const struct {
        double x;
        int stellen;
    } faelle[] = {
        {0, 10},  {9.999, 10},       {10, 9},   {-10, 9},    {99.99, 9}, {100, 8},
        {1e3, 7}, {1e4, 6},          {1e5, 5},  {1e6, 4},    {1e7, 3},   {1e8, 2},
        {1e9, 1}, {9999999999.9, 1}, {1e10, 0}, {9.9e12, 0}, {1e300, 0}, {-0.5, 10},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.x);
        EXPECT_EQ(Nachkommastellen(f.x), f.stellen);
    }
}

} // namespace
