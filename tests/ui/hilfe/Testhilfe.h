#pragma once
// Helpers for the widget tests: scripted message boxes and a temporary data folder.
#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "app/Meldung.h"

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

} // namespace qnt::test
