#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "PflegeTesthilfe.h"
#include "data/Fehler.h"
#include "list/Einheitenliste.h"
#include "maintain/Revision.h"
#include "search/Suche.h"

using namespace qnt;
using namespace pflegetest;

namespace {

std::vector<TEinheitSatz> saetzeMitNamen(const std::vector<std::string>& namen) {
    std::vector<TEinheitSatz> v;
    for (const auto& n : namen)
        v.push_back(satz(n));
    return v;
}

} // namespace

TEST(Revision, FehlertextNenntDieDateiWieImIndex) {
    EXPECT_EQ(revisionsFehlertext("laenge.dat"), "Die Datei laenge.dat konnte nicht ge\xF6"
                                                 "ffnet werden oder die revidierte Datei konnte nicht "
                                                 "geschrieben werden!");
    EXPECT_EQ(oeffnenFehlertext("X.DAT"), "Die Datei X.DAT konnte nicht ge\xF6"
                                          "ffnet werden!");
}

class RevisionImOrdner : public OrdnerTest {};

// The new record goes before the first whose name compares greater or equal; every other byte of every
// record is kept.
TEST_F(RevisionImOrdner, EinfuegenSetztDenNeuenSatzAnSeinenPlatz) {
    using V = std::vector<std::string>;
    const struct {
        V vorher;
        const char* neu;
        V nachher;
    } faelle[] = {
        {{"Meile", "Millimeter"}, "meile", {"meile", "Meile", "Millimeter"}},
        {{"Elle", "Meile"}, "Meile", {"Elle", "Meile", "Meile"}},
        {{"Fuss", "Meile", "Yard", "Zentimeter", "Zwerg"}, "Zoll", {"Fuss", "Meile", "Yard", "Zentimeter",
         "Zoll", "Zwerg"}},
        {{"Elle", "Meile"}, "Zoll", {"Elle", "Meile", "Zoll"}},
        {{"Elle", "Meile"}, "", {"", "Elle", "Meile"}},
        {{"Meilen", "Mo"}, "Meile", {"Meile", "Meilen", "Mo"}},
        {{"Zoll", "\xC4gyptische Elle"}, "\xD6l", {"Zoll", "\xC4gyptische Elle", "\xD6l"}},
        {{"AB", "A_"}, "Ab", {"Ab", "AB", "A_"}},
        {{}, "Meile", {"Meile"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.neu);
        schreibeSaetze("D.DAT", saetzeMitNamen(f.vorher));
        ASSERT_TRUE(DatendateiRevidieren("D.DAT", fuegeSortiertEin(satz(f.neu))));
        EXPECT_EQ(bytesVon("D.DAT"), bytesAus(saetzeMitNamen(f.nachher)));
    }
}

// Keeping the shown records: a partial last record is dropped, a TEMP.DAT left behind is replaced, and
// nothing but the data file remains.
TEST_F(RevisionImOrdner, BehaeltNurAngezeigteSaetze) {
    const std::vector<TEinheitSatz> alt{satz("A", 1), satz("B", 0), satz("C", 1), satz("D", 2), satz("E", 0)};
    const struct {
        const char* name;
        std::string vorher;
        std::string nachher;
        bool tempReste;
    } faelle[] = {
        {"Angezeigt 1 bleibt", bytesAus(alt), bytesAus({alt[0], alt[2]}), false},
        {"leer bleibt leer", "", "", false},
        {"angebrochener Satz", bytesAus({satz("A")}) + "Rest", bytesAus({satz("A")}), false},
        {"alte TEMP.DAT", bytesAus({satz("A"), satz("B", 0)}), bytesAus({satz("A")}), true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        schreibeBytes("D.DAT", f.vorher);
        if (f.tempReste) schreibeBytes("TEMP.DAT", std::string(1000, 'x'));
        ASSERT_TRUE(DatendateiRevidieren("D.DAT", behalteAngezeigte()));
        EXPECT_EQ(bytesVon("D.DAT"), f.nachher);
        EXPECT_EQ(ordner.dateien(), std::vector<std::string>{"D.DAT"});
    }
}

TEST_F(RevisionImOrdner, RegelZustandBeginntBeiJederRevisionNeu) {
    schreibeSaetze("D.DAT", {satz("B")});
    const TKopierregel regel = fuegeSortiertEin(satz("A"));
    ASSERT_TRUE(DatendateiRevidieren("D.DAT", regel));
    ASSERT_TRUE(DatendateiRevidieren("D.DAT", regel));
    EXPECT_EQ(namenIn("D.DAT"), (std::vector<std::string>{"A", "A", "B"}));
}

// A data file named like the temporary file revises through another one and loses nothing.
TEST_F(RevisionImOrdner, DatendateiNamensTempVerliertNichts) {
    const std::pair<const char*, const char*> faelle[] = {
        {"LAENGE.DAT", "TEMP.DAT"}, {"TEMP.DAT", "TEMP.NEU"}, {"temp.dat", "TEMP.NEU"}, {"TEMPALT.DAT",
         "TEMP.DAT"}};
    for (const auto& [datei, temp] : faelle) {
        SCOPED_TRACE(datei);
        EXPECT_EQ(temporaereDatei(datei), temp);
        schreibeSaetze(datei, {satz("A"), satz("C")});
        ASSERT_TRUE(DatendateiRevidieren(datei, fuegeSortiertEin(satz("B"))));
        EXPECT_EQ(namenIn(datei), (std::vector<std::string>{"A", "B", "C"}));
        EXPECT_EQ(ordner.dateien(), std::vector<std::string>{datei});
        std::remove(datei);
    }
}

struct VerweigerungsFall {
    const char* name;
    bool vorhanden;
    bool schreibgeschuetzt;
};

class FehlendeOderGeschuetzteDatei : public OrdnerTest,
                                     public ::testing::WithParamInterface<VerweigerungsFall> {};

TEST_P(FehlendeOderGeschuetzteDatei, NichtsWirdAngelegtOderGeloescht) {
    const auto& f = GetParam();
    const std::string alt = bytesAus({satz("A"), satz("B", 0)});
    if (f.vorhanden) schreibeBytes("D.DAT", alt);
    schreibeBytes("ANDERE.DAT", "x");
    HakenWaechter waechter;
    if (f.schreibgeschuetzt) {
        chmod("D.DAT", 0444);
        // Permissions do not bind root; refuse the opening the way the disk would.
        if (geteuid() == 0)
            setzeFehlerHaken(
                [](DateiOp op, std::string_view n) { return op == DateiOp::Oeffnen && n == "D.DAT"; });
    }
    const auto vorher = ordner.dateien();
    const int offen = offeneDateien();

    const Pflegeergebnis r1 = DatendateiRevidieren("D.DAT", behalteAngezeigte());
    const Pflegeergebnis r2 = SatzAktualisieren("D.DAT", {1}, [](TEinheitSatz& s) { s.setzeAngezeigt(1); });
    TSatzAusgabe neu;
    neu.schreibe(satz("Z"));
    const Pflegeergebnis r3 = ersetzeDatendatei("D.DAT", neu);

    for (const auto* r : {&r1, &r2, &r3}) {
        EXPECT_FALSE(*r);
        EXPECT_EQ(r->Meldung, revisionsFehlertext("D.DAT"));
    }
    EXPECT_EQ(ordner.dateien(), vorher);
    EXPECT_EQ(offeneDateien(), offen);
    if (f.vorhanden) {
        EXPECT_EQ(bytesVon("D.DAT"), alt);
    }
}

INSTANTIATE_TEST_SUITE_P(Datendatei, FehlendeOderGeschuetzteDatei,
                         ::testing::Values(VerweigerungsFall{"fehlend", false, false},
                                           VerweigerungsFall{"schreibgeschuetzt", true, true}),
                         NachName{});

TEST_F(RevisionImOrdner, AktualisierenAendertGenauDieGenanntenSaetze) {
    const std::vector<TEinheitSatz> alt{satz("A", 1), satz("B", 0), satz("C", 0), satz("D", 0)};
    // The last record alone, positions out of order, and one position twice (changed twice, in turn).
    for (const std::vector<std::int32_t>& nrn :
         {std::vector<std::int32_t>{3}, std::vector<std::int32_t>{2, 0},
          std::vector<std::int32_t>{1, 3, 1}}) {
        schreibeSaetze("D.DAT", alt);
        const auto kippe = [](TEinheitSatz& s) { s.setzeAngezeigt(s.Angezeigt() ^ 1); };
        ASSERT_TRUE(SatzAktualisieren("D.DAT", nrn, kippe));
        auto erwartet = alt;
        for (const auto nr : nrn)
            kippe(erwartet[static_cast<std::size_t>(nr)]);
        EXPECT_EQ(bytesVon("D.DAT"), bytesAus(erwartet)) << "only byte 0 of the named records changes";
    }
}

TEST_F(RevisionImOrdner, PositionAusserhalbSchlaegtFehlUndVerlaengertNichts) {
    const std::string alt = bytesAus({satz("A", 0), satz("B", 0)});
    for (std::int32_t nr : {2, 100, -1}) {
        schreibeBytes("D.DAT", alt);
        const int offen = offeneDateien();
        const auto r = SatzAktualisieren("D.DAT", {0, nr}, [](TEinheitSatz& s) { s.setzeAngezeigt(1); });
        EXPECT_FALSE(r) << nr;
        EXPECT_EQ(offeneDateien(), offen);
        auto erwartet = std::vector<TEinheitSatz>{satz("A", 1), satz("B", 0)};
        EXPECT_EQ(bytesVon("D.DAT"), bytesAus(erwartet)) << "the record before the failure stays changed";
    }
}

// 2^31 records (a sparse file, nothing on the disk) are more than a 32-bit SatzNr counts: every whole-file
// reader refuses the file by name before changing anything, while a single record is still reached.
TEST_F(RevisionImOrdner, ZuGrosseDateiWirdMitIhremNamenAbgewiesen) {
    constexpr std::int64_t kSaetze = std::int64_t{1} << 31;
    schreibeBytes("RIESIG.DAT", "");
    if (truncate("RIESIG.DAT", kSaetze * static_cast<std::int64_t>(kSatzGroesse)) != 0)
        GTEST_SKIP() << "no sparse file of that size here";
    {
        Datendatei d;
        std::int64_t n = 0;
        ASSERT_TRUE(d.oeffnenNurLesen("RIESIG.DAT") && d.anzahl(n));
        EXPECT_EQ(n, kSaetze);
    }
    TEinheitenliste liste{{satz("Elle"), 0, {}, {}}};
    std::vector<TEinheitSatz> saetze{satz("Fuss")};
    const TGebiete gebiete{{"Riesig", "RIESIG.DAT", "Einheit"}};
    const std::pair<const char*, std::function<void()>> leser[] = {
        {"Einheitenliste", [&] { ladeEinheitenliste("RIESIG.DAT", alleLaenderAngezeigt(), liste); }},
        {"Saetze", [&] { liesSaetze("RIESIG.DAT", saetze); }},
        {"Revision", [&] { DatendateiRevidieren("RIESIG.DAT", behalteAngezeigte()); }},
        {"Suche", [&] { suche(gebiete, "x", Suchart::Name); }},
    };
    for (const auto& [name, lies] : leser) {
        try {
            lies();
            ADD_FAILURE() << name << ": no error";
        } catch (const LaufzeitFehler& f) {
            EXPECT_STREQ(f.what(), "Die Datei RIESIG.DAT ist zu gro\xDF und kann nicht geladen werden!")
                << name;
        }
    }
    EXPECT_EQ(liste.size(), 1u);
    EXPECT_EQ(saetze.size(), 1u);
    EXPECT_EQ(ordner.dateien(), std::vector<std::string>{"RIESIG.DAT"});

    const auto letzter = static_cast<std::int32_t>(kSaetze - 1);
    ASSERT_TRUE(SatzAktualisieren("RIESIG.DAT", {letzter}, [](TEinheitSatz& s) { s.setzeAngezeigt(1); }));
    Datendatei d;
    TEinheitSatz s;
    std::int64_t n = 0;
    ASSERT_TRUE(d.oeffnenNurLesen("RIESIG.DAT") && d.anzahl(n) && d.positioniere(letzter) && d.lies(s));
    EXPECT_EQ(n, kSaetze);
    EXPECT_EQ(s.Angezeigt(), 1);
}

// A failure at each file operation of a revision in turn: the data file holds the old or the new
// records, byte for byte; nothing stays open; no temporary file is left when cleaning up succeeds.
struct StoerFall {
    const char* name;
    const char* datei;
    bool einfuegen;
};

class StoerungJedesSchritts : public OrdnerTest, public ::testing::WithParamInterface<StoerFall> {};

TEST_P(StoerungJedesSchritts, LaesstAltenOderNeuenInhaltGanz) {
    const auto& f = GetParam();
    const std::vector<TEinheitSatz> anfang{satz("Elle", 1), satz("Fuss", 0), satz("Meile", 1),
                                           satz("Zoll", 0)};
    const std::string alt = bytesAus(anfang);
    const auto regel = f.einfuegen ? fuegeSortiertEin(satz("Klafter")) : behalteAngezeigte();

    // A clean run gives the new contents and the list of operations.
    schreibeBytes(f.datei, alt);
    std::vector<DateiOp> ops;
    {
        HakenWaechter w([&](DateiOp op, std::string_view) {
            ops.push_back(op);
            return false;
        });
        ASSERT_TRUE(DatendateiRevidieren(f.datei, regel));
    }
    const std::string neu = bytesVon(f.datei);
    ASSERT_NE(neu, alt);
    ASSERT_GE(ops.size(), 8u) << "open, read, close, create, write, sync, close, rename";

    int versuche = 0;
    for (const bool folgende : {false, true}) {
        for (std::size_t k = 0; k < ops.size(); ++k) {
            schreibeBytes(f.datei, alt);
            std::remove(temporaereDatei(f.datei).c_str());
            const int offen = offeneDateien();
            std::size_t zaehler = 0;
            Pflegeergebnis r;
            {
                // Fail operation k only, or k and every one after it (the disk has gone away).
                HakenWaechter w([&](DateiOp, std::string_view) {
                    const std::size_t i = zaehler++;
                    return i == k || (folgende && i > k);
                });
                r = DatendateiRevidieren(f.datei, regel);
            }
            ++versuche;
            const std::string jetzt = bytesVon(f.datei);
            EXPECT_TRUE(jetzt == alt || jetzt == neu) << "operation " << k;
            EXPECT_FALSE(r) << "operation " << k;
            EXPECT_EQ(r.Meldung, revisionsFehlertext(f.datei));
            EXPECT_EQ(offeneDateien(), offen) << "operation " << k;
            if (!folgende) {
                EXPECT_EQ(ordner.dateien(), std::vector<std::string>{f.datei}) << "operation " << k;
            }
            // The next revision succeeds whatever was left behind.
            ASSERT_TRUE(DatendateiRevidieren(f.datei, regel));
        }
    }
    std::printf("[ Stoerung ] %s: %zu operations, %d injected failures, nothing lost\n", f.name, ops.size(),
                versuche);
}

INSTANTIATE_TEST_SUITE_P(Revision, StoerungJedesSchritts,
                         ::testing::Values(StoerFall{"behalten", "LAENGE.DAT", false},
                                           StoerFall{"einfuegen", "LAENGE.DAT", true},
                                           StoerFall{"einfuegenInTEMP", "TEMP.DAT", true}),
                         NachName{});

TEST_F(RevisionImOrdner, StoerungBeimAktualisierenLaesstJedenSatzAltOderNeu) {
    const std::vector<TEinheitSatz> alt{satz("A", 0), satz("B", 0), satz("C", 0)};
    std::size_t anzahlOps = 0;
    schreibeSaetze("D.DAT", alt);
    {
        HakenWaechter w([&](DateiOp, std::string_view) { return ++anzahlOps, false; });
        ASSERT_TRUE(SatzAktualisieren("D.DAT", {0, 2}, [](TEinheitSatz& s) { s.setzeAngezeigt(1); }));
    }
    for (std::size_t k = 0; k < anzahlOps; ++k) {
        schreibeSaetze("D.DAT", alt);
        const int offen = offeneDateien();
        std::size_t zaehler = 0;
        HakenWaechter w([&](DateiOp, std::string_view) { return zaehler++ == k; });
        EXPECT_FALSE(SatzAktualisieren("D.DAT", {0, 2}, [](TEinheitSatz& s) { s.setzeAngezeigt(1); }));
        EXPECT_EQ(offeneDateien(), offen);
        const std::string b = bytesVon("D.DAT");
        ASSERT_EQ(b.size(), 3 * kSatzGroesse);
        for (std::size_t i = 0; i < 3; ++i) {
            TEinheitSatz s = alt[i];
            const std::string altSatz = bytesAus({s});
            s.setzeAngezeigt(1);
            const std::string neuSatz = bytesAus({s});
            const std::string jetzt = b.substr(i * kSatzGroesse, kSatzGroesse);
            EXPECT_TRUE(jetzt == altSatz || (i != 1 && jetzt == neuSatz))
                << "operation " << k << ", record " << i;
        }
    }
}

// A child process revising a large file is killed at every file operation in turn and at moments
// spread over the duration of the revision. The data file must hold the old or the new records.
class AbbruchDurchKill : public OrdnerTest {
protected:
    static constexpr int kSaetze = 20000;

    void SetUp() override {
        std::vector<TEinheitSatz> v;
        v.reserve(kSaetze);
        for (int i = 0; i < kSaetze; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "Einheit %05d", i);
            v.push_back(satz(name, static_cast<std::uint8_t>(i % 3 != 0)));
        }
        alt = bytesAus(v);
        schreibeBytes("GROSS.DAT", alt);
        ASSERT_TRUE(DatendateiRevidieren("GROSS.DAT", regel()));
        neu = bytesVon("GROSS.DAT");
        ASSERT_NE(alt, neu);
    }

    static TKopierregel regel() { return fuegeSortiertEin(satz("Einheit 10000x")); }

    // Outcome of one killed child: true when it died by the signal before finishing.
    bool pruefeNachKill(pid_t kind) {
        kill(kind, SIGKILL);
        int status = 0;
        waitpid(kind, &status, 0);
        const std::string jetzt = bytesVon("GROSS.DAT");
        const bool heil = jetzt == alt || jetzt == neu;
        EXPECT_TRUE(heil) << "size " << jetzt.size();
        ++(jetzt == neu ? neueGesehen : alteGesehen);
        schreibeBytes("GROSS.DAT", alt); // leave TEMP.DAT as it is: the next revision must cope
        return WIFSIGNALED(status);
    }

    std::string alt, neu;
    int alteGesehen = 0, neueGesehen = 0;
};

TEST_F(AbbruchDurchKill, GrosseDateiBleibtAltOderNeu) {
    schreibeBytes("GROSS.DAT", alt);
    std::size_t anzahlOps = 0;
    {
        HakenWaechter w([&](DateiOp, std::string_view) { return ++anzahlOps, false; });
        ASSERT_TRUE(DatendateiRevidieren("GROSS.DAT", regel()));
    }
    schreibeBytes("GROSS.DAT", alt);

    int kills = 0;
    // Killed just before each file operation, and once after the last.
    for (std::size_t k = 0; k <= anzahlOps; ++k) {
        int rohr[2];
        ASSERT_EQ(pipe(rohr), 0);
        const pid_t kind = fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            close(rohr[0]);
            std::size_t zaehler = 0;
            const auto warteAufKill = [&] {
                const char c = 'k';
                [[maybe_unused]] auto n = write(rohr[1], &c, 1);
                for (;;)
                    pause();
            };
            setzeFehlerHaken([&](DateiOp, std::string_view) {
                if (zaehler++ == k) warteAufKill();
                return false;
            });
            DatendateiRevidieren("GROSS.DAT", regel());
            warteAufKill();
        }
        close(rohr[1]);
        char c = 0;
        ASSERT_EQ(read(rohr[0], &c, 1), 1);
        close(rohr[0]);
        kills += pruefeNachKill(kind) ? 1 : 0;
    }

    // Killed at moments spread over one and a half revisions, to land inside reads, writes and the sync.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(DatendateiRevidieren("GROSS.DAT", regel()));
    const auto dauer = std::chrono::steady_clock::now() - start;
    schreibeBytes("GROSS.DAT", alt);
    constexpr int kZeitpunkte = 24;
    int vorEnde = 0;
    for (int i = 0; i < kZeitpunkte; ++i) {
        const pid_t kind = fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            DatendateiRevidieren("GROSS.DAT", regel());
            _exit(0);
        }
        std::this_thread::sleep_for(dauer * i * 3 / (2 * kZeitpunkte));
        const bool getoetet = pruefeNachKill(kind);
        kills += getoetet ? 1 : 0;
        vorEnde += getoetet ? 1 : 0;
    }
    std::printf("[ Kill ] %d records: %zu operation points + %d timed moments (%d before the end), "
                "%d kills, old file seen %d times, new %d times, nothing lost\n",
                kSaetze, anzahlOps + 1, kZeitpunkte, vorEnde, kills, alteGesehen, neueGesehen);
    ASSERT_TRUE(DatendateiRevidieren("GROSS.DAT", regel()));
    EXPECT_EQ(bytesVon("GROSS.DAT"), neu);
}
