#include "Testhilfe.h"

#include <QFile>
#include <cstring>

#include "app/Text.h"
#include "data/Einheit.h"

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

QByteArray satzDatei(std::initializer_list<TestEinheit> einheiten) {
    QByteArray b;
    for (const auto& e : einheiten) {
        TEinheitSatz s;
        s.setzeAngezeigt(static_cast<std::uint8_t>(e.angezeigt));
        s.setzeLandNr(static_cast<std::uint8_t>(e.land));
        s.setzeName(cp(QString::fromUtf8(e.name)));
        s.setzeKurzzeichen(cp(QString::fromUtf8(e.kurz)));
        s.setzeSonstigeNamen(cp(QString::fromUtf8(e.sonstige)));
        s.setzeUebersetzung(cp(QString::fromUtf8(e.uebersetzung)));
        s.setzeRegUnterschiede(static_cast<std::uint8_t>(e.reg));
        s.setzeZeitUnterschiede(static_cast<std::uint8_t>(e.zeit));
        s.setzeFaktor(e.faktor);
        b.append(reinterpret_cast<const char*>(s.bytes.data()), 272);
    }
    return b;
}

QByteArray cp1252(const char* utf8) { return QByteArray::fromStdString(cp(QString::fromUtf8(utf8))); }

QByteArray einstellungen(const char* pos, const char* sort, const char* wiss, QByteArray laender) {
    if (laender.isEmpty()) laender = QByteArray(91, '1');
    return QByteArray("5.0\r\n0\r\n0\r\n0\r\n") + pos + "\r\n" + sort + "\r\n" + wiss + "\r\n" + laender + "\r\n";
}

TEinheitSatz satzAus(const QByteArray& datei, int k) {
    TEinheitSatz s;
    if (k >= 0 && (k + 1) * 272 <= datei.size()) std::memcpy(s.bytes.data(), datei.constData() + k * 272, 272);
    return s;
}

QString einheitenname(const QAbstractItemView* liste, int zeile) {
    return liste->model()->index(zeile, 0).data(Qt::ToolTipRole).toString();
}

QStringList einheitennamen(const QAbstractItemView* liste) {
    QStringList z;
    for (int i = 0; i < liste->model()->rowCount(); ++i) z << einheitenname(liste, i);
    return z;
}

} // namespace qnt::test
