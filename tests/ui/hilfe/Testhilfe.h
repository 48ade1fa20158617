#pragma once
// Helpers for the widget tests: scripted message boxes and a temporary data folder.
#include <QApplication>
#include <QByteArray>
#include <QAbstractItemView>
#include <QDialog>
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Meldung.h"
#include "list/widgets/EinheitenModell.h"
#include "data/Einheit.h"

namespace qnt::test {

// Records every box and answers from a queue (OK, or the first button offered, when the queue is empty).
class SkriptMeldungen final : public IMeldungen {
public:
    struct Eintrag {
        MeldungArt art;
        QString titel;
        QString text;
        int knoepfe;
    };
    SkriptMeldungen();
    ~SkriptMeldungen() override;
    Knopf zeige(QWidget* eltern, MeldungArt art, const QString& text, int knoepfe) override;

    void antworte(Knopf k) { antworten_.append(k); }
    QList<Eintrag> boxen;
    QStringList texte() const;
    void leeren() { boxen.clear(); }

private:
    QList<Knopf> antworten_;
};

// A fresh folder made the current directory for the test's lifetime.
class Datenordner {
public:
    // With `mitDatenbank`, the shipped runtime files are copied in first.
    explicit Datenordner(bool mitDatenbank = true);
    ~Datenordner();
    QString pfad() const { return dir_.path(); }
    void schreibe(const QString& name, const QByteArray& inhalt) const;
    QByteArray lies(const QString& name) const;
    bool existiert(const QString& name) const;
    void entferne(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString vorher_;
};

// The shipped runtime data folder of the build.
QString datenbankOrdner();

// One unit of a test data file; texts in UTF-8.
struct TestEinheit {
    const char* name;
    int land = 1;
    double faktor = 1.0;
    int angezeigt = 1;
    const char* kurz = "";
    const char* sonstige = "";
    const char* uebersetzung = "";
    int reg = 0;
    int zeit = 0;
};
// The bytes of a data file holding these units in the given order.
QByteArray satzDatei(std::initializer_list<TestEinheit> einheiten);
// UTF-8 text as code page 1252 bytes.
QByteArray cp1252(const char* utf8);
// Settings file with the given category position, order, notation and countries.
QByteArray einstellungen(const char* pos, const char* sort = "0", const char* wiss = "0", QByteArray laender = {});

// Runs `aktion` once the modal loop of `d` is running; whatever happens, the open dialog is closed
// afterwards, so a failed check cannot leave the test waiting.
template <typename F> void imDialog(QDialog* d, F aktion) {
    QTimer::singleShot(0, d, [d, aktion] {
        if (d->isVisible())
            aktion();
        else
            QTest::qFail("the expected dialog is not open", __FILE__, __LINE__);
        if (auto* offen = qobject_cast<QDialog*>(QApplication::activeModalWidget())) offen->reject();
    });
}

// The unit names of the main window's list (its rows' tool tips: the names whole).
QString einheitenname(const QAbstractItemView* liste, int zeile);
QStringList einheitennamen(const QAbstractItemView* liste);

// Record k of a data file's bytes.
TEinheitSatz satzAus(const QByteArray& datei, int k);

} // namespace qnt::test
