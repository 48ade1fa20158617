#include "app/Meldung.h"

#include <QMessageBox>
#include <QPushButton>

namespace qnt {
namespace {
IMeldungen*& installiert() {
    static QtMeldungen standard;
    static IMeldungen* m = &standard;
    return m;
}
} // namespace

QString meldungTitel(MeldungArt art) {
    switch (art) {
    case MeldungArt::Fehler: return QStringLiteral("Fehler");
    case MeldungArt::Information: return QStringLiteral("Information");
    case MeldungArt::Bestaetigung: return QStringLiteral("Bestätigung");
    case MeldungArt::Warnung: return QStringLiteral("Warnung");
    }
    return {};
}

Knopf QtMeldungen::zeige(QWidget* eltern, MeldungArt art, const QString& text, int knoepfe) {
    QMessageBox box(eltern);
    box.setWindowTitle(meldungTitel(art));
    box.setText(text);
    box.setIcon(art == MeldungArt::Fehler         ? QMessageBox::Critical
                : art == MeldungArt::Information  ? QMessageBox::Information
                : art == MeldungArt::Bestaetigung ? QMessageBox::Question
                                                  : QMessageBox::Warning);
    struct Eintrag {
        Knopf knopf;
        const char* text;
        QMessageBox::ButtonRole rolle;
    };
    const Eintrag alle[] = {{KnopfOK, "OK", QMessageBox::AcceptRole},
                            {KnopfJa, "&Ja", QMessageBox::YesRole},
                            {KnopfNein, "&Nein", QMessageBox::NoRole},
                            {KnopfAbbrechen, "Abbrechen", QMessageBox::RejectRole}};
    QList<QPair<QAbstractButton*, Knopf>> knopfListe;
    for (const auto& e : alle) {
        if (knoepfe & e.knopf) knopfListe.append({box.addButton(QString::fromUtf8(e.text), e.rolle), e.knopf});
    }
    if (!knopfListe.isEmpty()) box.setDefaultButton(qobject_cast<QPushButton*>(knopfListe.first().first));
    box.exec();
    for (const auto& [b, k] : knopfListe)
        if (box.clickedButton() == b) return k;
    return (knoepfe & KnopfAbbrechen) ? KnopfAbbrechen : (knoepfe & KnopfNein) ? KnopfNein : KnopfOK;
}

IMeldungen& meldungen() { return *installiert(); }

void setzeMeldungen(IMeldungen* m) {
    static QtMeldungen standard;
    installiert() = m ? m : &standard;
}

Knopf meldeFehler(QWidget* e, const QString& t) { return meldungen().zeige(e, MeldungArt::Fehler, t, KnopfOK); }
Knopf meldeInfo(QWidget* e, const QString& t) { return meldungen().zeige(e, MeldungArt::Information, t, KnopfOK); }
Knopf meldeWarnung(QWidget* e, const QString& t) { return meldungen().zeige(e, MeldungArt::Warnung, t, KnopfOK); }
Knopf frageJaNein(QWidget* e, const QString& t) {
    return meldungen().zeige(e, MeldungArt::Bestaetigung, t, KnopfJa | KnopfNein);
}

} // namespace qnt
