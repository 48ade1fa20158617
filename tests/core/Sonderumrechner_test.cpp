#include <gtest/gtest.h>

#include <limits>

#include "Umrechnertest.h"
#include "convert/Umrechner.h"
#include "data/Fehler.h"
#include "data/Gebiete.h"

using namespace qnt;
using namespace qnt::test;

namespace {

// ---- every converter's refusal: the report, whether the input is marked or the list reloaded, and the
// results of the list left as they were ----

struct Ablehnung {
    const char* name;
    std::string_view gebiet;
    int quelle;
    std::vector<const char*> eingaben;
    std::string_view meldung;
    bool markieren = true;
    bool neuLaden = false;
};

TEST(Ablehnung, MeldetUndLaesstDieErgebnisseStehen) {
    using namespace meldung;
    const std::string_view laenge = "L\xE4nge";
    const Ablehnung faelle[] = {
        {"Faktor: unlesbar oder null", laenge, 1,
         {"0", "0,0", "-0", ".", "E5", "", "   ", "-", "1e", "12 ", "1.000,5", "abc", "1e-400"},
          kBitteAendern},
        {"W\xE4hrungen: Betrag null", kWaehrungen, 0, {"0"}, kBitteAendern},
        {"Temperatur: nur Unlesbares", kTemperatur, 0, {"", "abc", "1 ", "-"}, kBitteAendern},
        {"Weltzeit: keine Uhrzeit", kWeltzeit, 0,
         {"24:01", "12", "", "12:", ":30", "12:00 ", "a:b", "12:00:00", "12.00", "-3:00", "3:-5", "-0:-1",
          "99999999:00", "2147483647:59"},
         kUhrzeit},
        {"bin\xE4r", kZahlensysteme, 0, {"102", "1 0"}, kNurEinsUndNull},
        {"dezimal", kZahlensysteme, 1, {"1,5", "255 ", "", "2147483648"}, kNurGanzeZahlen},
        {"hexadezimal", kZahlensysteme, 2, {"ff", "1G"}, kNurHexZiffern},
        {"hexadezimal zu gro\xDF", kZahlensysteme, 2, {"80000000", "FFFFFFFFFFFFFFF"}, kHexZuGross, false},
        {"oktal", kZahlensysteme, 3, {"8", "-7"}, kNurOktalZiffern},
        {"oktal zu gro\xDF", kZahlensysteme, 3, {"20000000000", "777777777777777"}, kOktalZuGross, false},
        {"bin\xE4r \xFC" "ber 31 Stellen", kZahlensysteme, 0, {"10000000000000000000000000000000"},
         kBinaerZuGross,
         false},
        {"r\xF6misch", kZahlensysteme, 4, {"mc", "MCMXCIVA"}, kNurRoemischeZiffern},
        {"Bruch ohne Bruchstrich", kBrueche, 0, {"5", "/5", "5/", " 5/ ", ""}, kKeinBruch},
        {"Bruch unlesbar oder null", kBrueche, 0, {"0/5", "5/0", "3 /4", "a/5", "1/2/3", "1,5/2"},
         kBitteAendern},
        {"Dezimalzahl ganz", kBrueche, 1, {"5", "5,0", "5,", " 5", "-5", "1,00000000000", "12345678901"},
         kGanzeZahl},
        {"Dezimalzahl null oder unlesbar", kBrueche, 1, {"0", "0,0", "1,5 "}, kBitteAendern},
        {"zehn Nachkommastellen", kBrueche, 1, {"0,1234567891", "0,12345678901", "1,0000000001",
         "-0,0000000001"},
         kEingabeZuGross, false, true},
    };
    for (const auto& f : faelle) {
        for (const char* eingabe : f.eingaben) {
            SCOPED_TRACE(std::string(f.name) + ": '" + eingabe + "'");
            auto l = f.gebiet == kZahlensysteme ? eintraegeAnPositionen({0, 1, 2, 3, 4})
                     : f.gebiet == kTemperatur  ? eintraegeAnPositionen({0, 3})
                                                : eintraegeMitFaktoren({1, 2});
            const Rechenergebnis e = rechne(f.gebiet, eingabe, f.quelle, l);
            EXPECT_EQ(e.art, Rechenergebnis::Art::Eingabefehler);
            EXPECT_EQ(e.meldung, f.meldung);
            EXPECT_EQ(e.markieren, f.markieren);
            EXPECT_EQ(e.neuLaden, f.neuLaden);
            EXPECT_TRUE(unveraendert(l));
        }
    }
}

// ---- Zahlensysteme: positions 0 binary, 1 decimal, 2 hexadecimal, 3 octal, 4 roman ----

struct Zahlfall {
    const char* name;
    int quelle;
    const char* eingabe;
    const char* bin;
    const char* dez;
    const char* hex;
    const char* okt;
    const char* roem;
};

TEST(Zahlensysteme, SchreibtDenWertInJederSchreibweise) {
    const Zahlfall faelle[] = {
        {"Dezimal255", 1, "255", "11111111", "255", "FF", "377", "CCLV"},
        {"FuenfzehnBinaerziffern", 1, "32767", "111111111111111", "32767", "7FFF", "77777",
         "Zahl zu gro\xDF"},
        {"SechzehnBinaerziffern", 1, "32768", "Zahl zu gro\xDF", "32768", "8000", "100000",
         "Zahl zu gro\xDF"},
        {"BinaerMitBlanksRingsum", 0, " 101 ", "101", "5", "5", "5", "V"},
        {"HexGroesster", 2, "7FFFFFFF", "Zahl zu gro\xDF", "2147483647", "7FFFFFFF", "17777777777",
         "Zahl zu gro\xDF"},
        {"Oktal17", 3, "17", "1111", "15", "F", "17", "XV"},
        {"OktalGroesster", 3, "17777777777", "Zahl zu gro\xDF", "2147483647", "7FFFFFFF", "17777777777",
         "Zahl zu gro\xDF"},
        {"Roemisch1994", 4, "MCMXCIV", "11111001010", "1994", "7CA", "3712", "MCMXCIV"},
        {"Null", 1, "0", "0", "0", "0", "0", ""},
        {"Dezimal8888", 1, "8888", "10001010111000", "8888", "22B8", "21270", "Zahl zu gro\xDF"},
        // Negative values: two's complement in binary, octal and hexadecimal; no roman numeral.
        {"MinusEins", 1, "-1", "Zahl zu gro\xDF", "-1", "FFFFFFFF", "37777777777", "Zahl zu klein"},
        {"Kleinster", 1, "-2147483648", "Zahl zu gro\xDF", "-2147483648", "80000000", "20000000000",
         "Zahl zu klein"},
        // An empty input reads as 0 in every notation with a digit check, hexadecimal included.
        {"HexLeer", 2, "", "0", "0", "0", "0", ""}, {"BinaerNurBlanks", 0, "   ", "0", "0", "0", "0", ""},
        {"RoemischLeer", 4, "", "0", "0", "0", "0", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        auto l = eintraegeAnPositionen({0, 1, 2, 3, 4});
        const Rechenergebnis e = rechne(kZahlensysteme, f.eingabe, f.quelle, l);
        ASSERT_EQ(e.art, Rechenergebnis::Art::Ok) << e.meldung;
        const char* erwartet[] = {f.bin, f.dez, f.hex, f.okt, f.roem};
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(l[i].ErgebnisWiss, erwartet[i]) << "Position " << i;
            EXPECT_EQ(l[i].ErgebnisFest, erwartet[i]) << "Position " << i;
        }
    }
}

TEST(Zahlensysteme, NichtKanonischeRoemischeZahlMeldetNachDenErgebnissen) {
    const struct {
        const char* eingabe;
        const char* dez;
        const char* roem;
    } faelle[] = {{"IM", "999", "CMXCIX"},
                  {"IIII", "4", "IV"}, {"IIX", "10", "X"}, {" VV ", "10", "X"},
                  {"MMMMMMMMMMMMMMM", "15000", "Zahl zu gro\xDF"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.eingabe);
        auto l = eintraegeAnPositionen({0, 1, 2, 3, 4});
        const Rechenergebnis e = rechne(kZahlensysteme, f.eingabe, 4, l);
        EXPECT_EQ(e.art, Rechenergebnis::Art::OkMitHinweis);
        EXPECT_TRUE(e.ergebnisseGeschrieben());
        EXPECT_EQ(e.meldung, "Falsche R\xF6mische Zahl!");
        EXPECT_FALSE(e.markieren);
        EXPECT_EQ(l[1].ErgebnisFest, f.dez);
        EXPECT_EQ(l[4].ErgebnisWiss, f.roem);
    }
    auto l = eintraegeAnPositionen({0, 1, 2, 3, 4});
    const Rechenergebnis e = rechne(kZahlensysteme, " MCMXCIV ", 4, l);
    EXPECT_EQ(e.art, Rechenergebnis::Art::Ok);
    EXPECT_TRUE(e.meldung.empty());
}

TEST(Zahlensysteme, RoemischeZahlenBilden) {
    const struct {
        std::int32_t wert;
        const char* text;
    } faelle[] = {
        {0, ""}, {1, "I"}, {4, "IV"}, {5, "V"}, {9, "IX"}, {14, "XIV"}, {40, "XL"}, {49, "XLIX"}, {90, "XC"},
        {400, "CD"}, {900, "CM"}, {1994, "MCMXCIV"}, {3888, "MMMDCCCLXXXVIII"}, {3999, "MMMCMXCIX"},
        {4000, "MMMM"}, {9999, "MMMMMMMMMCMXCIX"}, {8888, "Zahl zu gro\xDF"}, {10000, "Zahl zu gro\xDF"},
        {-1, "Zahl zu klein"}, {INT32_MIN, "Zahl zu klein"}, {INT32_MAX, "Zahl zu gro\xDF"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wert);
        EXPECT_EQ(roemischeZahl(f.wert), f.text);
    }
}

// ---- Weltzeit ----

struct Zeitfall {
    const char* eingabe;
    double quellfaktor;
    double zielfaktor;
    const char* text;
};

TEST(Weltzeit, RechnetDieUhrzeitMitTagesmarke) {
    const Zeitfall faelle[] = {
        {"12:00", 1, -5, "06:00"}, {"12:00", 1, 9, "20:00"}, {"12:00", 1, 5.5, "16:30"},
        {"23:30", 1, 9, "07:30 n\xE4. Tag"}, {"00:30", 1, -5, "18:30 Vortag"}, {"24:00", 1, 1, "00:00"},
        {"7:5", 1, 1, "07:05"}, {"10:75", 1, 1, "11:15"}, {"0:1440", 1, 1, "00:00"},
        {" 9: 05", 0, 0, "09:05"}, {"23:59", 0, 0, "23:59"}, {"23:59", 0, 1.0 / 60, "00:00 n\xE4. Tag"},
        {"00:00", 0, -1.0 / 60, "23:59 Vortag"}, {"12:00", 0, -3.5, "08:30"},
        // Offsets 26 hours apart can cross two days.
        {"23:00", -12, 14, "01:00 +2 Tage"}, {"00:30", 14, -12, "22:30 -2 Tage"},
        {"21:00", -12, 14, "23:00 n\xE4. Tag"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.eingabe) + " nach " + std::to_string(f.zielfaktor));
        auto l = eintraegeMitFaktoren({f.quellfaktor, f.zielfaktor});
        ASSERT_EQ(rechne(kWeltzeit, f.eingabe, 0, l).art, Rechenergebnis::Art::Ok);
        EXPECT_EQ(l[1].ErgebnisWiss, f.text);
        EXPECT_EQ(l[1].ErgebnisFest, f.text);
    }
}

// ---- Brueche: position 0 the fraction, position 1 the decimal number ----

struct Bruchfall {
    const char* name;
    int quelle;
    const char* eingabe;
    const char* bruch;
    const char* fest;
};

TEST(Brueche, RechnetZwischenBruchUndDezimalzahl) {
    const Bruchfall faelle[] = {
        {"DreiViertel", 0, "3/4", "  3/4", "  0,7500000000"},
        {"SechsViertel", 0, "6/4", " 1 1/2", "  1,5000000000"},
        {"AchtViertel", 0, "8/4", " 2", "  2,0000000000"},
        {"ZweiViertel", 0, "2/4", "  1/2", "  0,5000000000"},
        {"MitBlanksRingsum", 0, " 3/4 ", "  3/4", "  0,7500000000"},
        {"ZuLang", 0, "123456/1234567", " Zahl zu gro\xDF", "  0,0999994330"},
        {"GrosseZahlen", 0, "2147483647/2", " 1073741823 1/2", "  1073741823,5"},
        {"Viertel", 1, "0,25", "  1/4", "  0,2500000000"},
        {"ZweiEinhalb", 1, "2,5", " 2 1/2", "  2,5000000000"},
        {"EinAchtel", 1, "1,125", " 1 1/8", "  1,1250000000"},
        {"FuehrendeNullen", 1, "007,5", " 7 1/2", "  7,5000000000"},
        {"NeunStellen", 1, "0,000000005", "  1/200000000", "  0,0000000050"},
        {"NeunStellenZuLangAlsBruch", 1, "0,123456789", " Zahl zu gro\xDF", "  0,1234567890"},
        {"LangerGanzteil", 1, "12345678901,5", " Zahl zu gro\xDF", "   12345678902"},
        // Negative values carry the sign in front, never in the denominator.
        {"MinusDreiViertel", 0, "-3/4", " -3/4", " -0,7500000000"},
        {"MinusSechsViertel", 0, "-6/4", " -1 1/2", " -1,5000000000"},
        {"NennerNegativ", 0, "6/-4", " -1 1/2", " -1,5000000000"},
        {"BeideNegativ", 0, "-6/-4", " 1 1/2", "  1,5000000000"},
        {"MinusAchtViertel", 0, "-8/4", " -2", " -2,0000000000"},
        {"KleinsterZaehler", 0, "-2147483648/1", " -2147483648", " -2147483648,0"},
        {"KleinsterNenner", 0, "1/-2147483648", " -1/2147483648", " -0,0000000005"},
        {"MinusEinhalb", 1, "-0,5", " -1/2", " -0,5000000000"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        auto l = eintraegeAnPositionen({0, 1});
        const Rechenergebnis e = rechne(kBrueche, f.eingabe, f.quelle, l);
        ASSERT_EQ(e.art, Rechenergebnis::Art::Ok) << e.meldung;
        EXPECT_EQ(l[0].ErgebnisWiss, f.bruch);
        EXPECT_EQ(l[0].ErgebnisFest, f.bruch);
        EXPECT_EQ(l[1].ErgebnisFest, f.fest);
    }
}

TEST(Brueche, ExponentEndetMitKonvertierungsfehler) {
    // The message names the part after the decimal separator, or the whole text without one.
    for (const auto& [eingabe, teil] : {std::pair{"1,5e3", "5e3"}, {"1e5", "1e5"}, {"2.5E-1", "5E-1"}}) {
        SCOPED_TRACE(eingabe);
        auto l = eintraegeAnPositionen({0, 1});
        try {
            (void)rechne(kBrueche, eingabe, 1, l);
            ADD_FAILURE() << "keine Ausnahme";
        } catch (const LaufzeitFehler& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(teil) + "' ist kein g\xFCltiger Integerwert");
        }
        EXPECT_TRUE(unveraendert(l));
    }
}

// A value beyond double, or an unusable factor, ends the calculation with an error before any result
// is written.
TEST(Ueberlauf, EndetMitFehlerBevorEtwasGeschriebenWird) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        std::string_view gebiet;
        const char* eingabe;
        std::vector<double> faktoren;
    } faelle[] = {
        {"Faktor: Eingabe", "L\xE4nge", "1e309", {1, 1}}, {"Faktor: Produkt", "L\xE4nge", "1e300", {1e10, 1}},
        {"Faktor: Quotient hinten in der Liste", "L\xE4nge", "1e300", {1, 2, 1e-10}},
        {"Faktor: NaN an der Quelle", "L\xE4nge", "1", {nan, 1}},
        {"Temperatur", kTemperatur, "1e308", {1, 1, 1, 1, 1}},
        {"Weltzeit: NaN", kWeltzeit, "12:00", {1, 2, nan}},
        {"Weltzeit: riesiger Versatz", kWeltzeit, "12:00", {1, 2, 1e300}},
        {"Br\xFC" "che", kBrueche, "1e999", {1, 1}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        auto l = eintraegeMitFaktoren(f.faktoren);
        try {
            (void)rechne(f.gebiet, f.eingabe, f.gebiet == kBrueche ? 1 : 0, l);
            ADD_FAILURE() << "keine Ausnahme";
        } catch (const LaufzeitFehler& e) {
            if (f.gebiet != kBrueche) {
                EXPECT_STREQ(e.what(), "Gleitkomma\xFC" "berlauf");
            }
        }
        EXPECT_TRUE(unveraendert(l));
    }
}

// A unit at a position the converter does not know gets no result; as the source it means no calculation.
TEST(UnbekanntePosition, ErfindetKeinenWert) {
    const struct {
        std::string_view gebiet;
        const char* eingabe;
        std::vector<std::int32_t> positionen;
        int quelle;
        std::size_t ziel;
        const char* fest; // at `ziel`, or nullptr when nothing is calculated
    } faelle[] = {
        {kTemperatur, "5", {0, 10}, 0, 0, "  5,0000000000"}, {kTemperatur, "5", {0, 10}, 0, 1, ""},
        {kTemperatur, "5", {0, 10}, 1, 0, nullptr},          {kZahlensysteme, "5", {0, 1, 7}, 1, 0, "101"},
        {kZahlensysteme, "5", {0, 1, 7}, 1, 2, ""},          {kZahlensysteme, "5", {0, 7}, 1, 0, nullptr},
        {kBrueche, "2,5", {1}, 0, 0, "  2,5000000000"},      {kBrueche, "6/4", {0}, 0, 0, " 1 1/2"},
        {kBrueche, "1/2", {0, 2}, 1, 0, nullptr},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.gebiet) + ": " + f.eingabe + " an Zeile " + std::to_string(f.quelle));
        auto l = eintraegeAnPositionen(f.positionen);
        const Rechenergebnis e = rechne(f.gebiet, f.eingabe, f.quelle, l);
        if (!f.fest) {
            EXPECT_EQ(e.art, Rechenergebnis::Art::Nichts);
            EXPECT_TRUE(unveraendert(l));
            continue;
        }
        ASSERT_EQ(e.art, Rechenergebnis::Art::Ok);
        EXPECT_EQ(l[f.ziel].ErgebnisFest, f.fest);
        if (f.fest[0] == '\0') {
            EXPECT_EQ(l[f.ziel].ErgebnisWiss, "");
        }
    }
}

} // namespace
