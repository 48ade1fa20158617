#include "Testhilfe.h"

#include <QFile>

namespace qnt::test {

SkriptMeldungen::SkriptMeldungen() { setzeMeldungen(this); }
SkriptMeldungen::~SkriptMeldungen() { setzeMeldungen(nullptr); }

Knopf SkriptMeldungen::zeige(QWidget*, MeldungArt art, const QString& text, int knoepfe) {
    boxen.append({art, meldungTitel(art), text, knoepfe});
    if (!antworten_.isEmpty()) return antworten_.takeFirst();
    for (Knopf k : {KnopfOK, KnopfJa, KnopfNein, KnopfAbbrechen})
        if (knoepfe & k) return k;
    return KnopfOK;
}

QStringList SkriptMeldungen::texte() const {
    QStringList l;
    for (const auto& b : boxen) l << b.text;
    return l;
}

QString datenbankOrdner() { return QStringLiteral(QUANTORA_DATEN_DIR); }

Datenordner::Datenordner(bool mitDatenbank) : vorher_(QDir::currentPath()) {
    if (mitDatenbank) {
        const QDir quelle(datenbankOrdner());
        for (const auto& name : quelle.entryList(QDir::Files))
            QFile::copy(quelle.filePath(name), dir_.filePath(name));
        for (const auto& name : QDir(dir_.path()).entryList(QDir::Files))
            QFile(dir_.filePath(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    QDir::setCurrent(dir_.path());
}

Datenordner::~Datenordner() { QDir::setCurrent(vorher_); }

void Datenordner::schreibe(const QString& name, const QByteArray& inhalt) const {
    QFile f(dir_.filePath(name));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(inhalt);
}

QByteArray Datenordner::lies(const QString& name) const {
    QFile f(dir_.filePath(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool Datenordner::existiert(const QString& name) const { return QFile::exists(dir_.filePath(name)); }

void Datenordner::entferne(const QString& name) const { QFile::remove(dir_.filePath(name)); }

} // namespace qnt::test
