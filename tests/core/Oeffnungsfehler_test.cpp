// Hiding a unit, or showing a search hit again, in a data file that cannot be opened, read or written reports
// the cause that happened and changes nothing.
#include <gtest/gtest.h>

#include <cerrno>

#include "PflegeTesthilfe.h"
#include "data/Fehler.h"
#include "list/Einheitenliste.h"
#include "search/Suche.h"

namespace {

using namespace pflegetest;
using namespace qnt;

struct Fall {
    const char* name;
    int fehlernummer; // errno of the refused opening; -1: no refusal, the file is missing for real
    const char* text;
    DateiOp op = DateiOp::Oeffnen; // the operation that fails
};

class Ausblenden : public OrdnerTest, public testing::WithParamInterface<Fall> {
protected:
    template <class Aenderung> void pruefe(Aenderung aenderung) {
        const Fall& f = GetParam();
        if (f.fehlernummer >= 0) schreibeSaetze("L.DAT", {satz("Elle"), satz("Fuss", 0)});
        const std::string vorher = bytesVon("L.DAT");
        const int nr = f.fehlernummer;
        HakenWaechter haken([nr, scheitert = f.op](DateiOp op, std::string_view) {
            if (op != scheitert || nr < 0) return false;
            errno = nr;
            return true;
        });
        try {
            aenderung();
            ADD_FAILURE() << "kein Fehler";
        } catch (const LaufzeitFehler& e) {
            EXPECT_STREQ(e.what(), f.text);
        }
        EXPECT_EQ(bytesVon("L.DAT"), vorher);
    }
};

TEST_P(Ausblenden, MeldetDieUrsacheUndAendertNichts) {
    pruefe([] { schreibeAngezeigt("L.DAT", 0, 0); });
}

TEST_P(Ausblenden, SuchtrefferEinblendenEbenso) {
    const TGebiete gebiete{{"L\xE4nge", "L.DAT", "Meter"}};
    pruefe([&] { trefferEinblenden(gebiete, TSuchobjekt{1, 1, 1, 0}); });
}

INSTANTIATE_TEST_SUITE_P(Oeffnungsfehler, Ausblenden,
                         testing::Values(Fall{"Fehlt", -1, "Datei nicht gefunden"},
                                         Fall{"FehltLautSystem", ENOENT, "Datei nicht gefunden"},
                                         Fall{"Schreibgeschuetzt", EACCES, "Zugriff verweigert"},
                                         Fall{"NichtErlaubt", EPERM, "Zugriff verweigert"},
                                         Fall{"NurLesbaresDateisystem", EROFS, "Zugriff verweigert"},
                                         Fall{"AndererFehler", EIO, "E/A-Fehler 5"},
                                         Fall{"HakenOhneErrno", 0, "E/A-Fehler 5"},
                                         Fall{"LesenScheitert", 0, "E/A-Fehler 100", DateiOp::Lesen},
                                         Fall{"SchreibenScheitert", 0, "E/A-Fehler 101", DateiOp::Schreiben}),
                         NachName());

} // namespace
