#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/Anwendung.h"
#include "app/Qnt01.h"

namespace qnt {

void TMyWindow::MenueAnlegen() {
    const auto eintrag = [this](QMenu* menue, const QString& text, void (TMyWindow::*handler)(),
                                const QKeySequence& taste = {}) {
        auto* a = menue->addAction(text);
        if (!taste.isEmpty()) {
            a->setShortcut(taste);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        if (handler) connect(a, &QAction::triggered, this, sicher(this, handler));
        return a;
    };
    QMenuBar* leiste = menuBar();

    Datei1 = leiste->addMenu(QStringLiteral("&Datei"));
    Beenden1 = eintrag(Datei1, QStringLiteral("&Beenden"), &TMyWindow::Beenden1Click);

    Bearbeiten2 = leiste->addMenu(QStringLiteral("&Bearbeiten"));
    WertKopieren1 = eintrag(Bearbeiten2, QStringLiteral("&Kopieren Rechenergebnis"), &TMyWindow::Wertkopieren1Click,
                            QKeySequence(Qt::CTRL | Qt::Key_C));
    Werteinfgen1 = eintrag(Bearbeiten2, QStringLiteral("&Einfügen in Werteingabefeld"), &TMyWindow::Werteinfgen1Click);

    Bearbeiten1 = leiste->addMenu(QStringLiteral("&Einheit"));
    Einheitausblenden1 = eintrag(Bearbeiten1, QStringLiteral("Einheit &ausblenden"), &TMyWindow::Einheitausblenden1Click,
                                 QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Einheiteinblenden1 = eintrag(Bearbeiten1, QStringLiteral("Einheit &einblenden..."), &TMyWindow::Einheiteinblenden1Click);
    AusgeblendeteEinheitenlschen1 = eintrag(Bearbeiten1, QStringLiteral("Au&sgeblendete Einheiten löschen"),
                                            &TMyWindow::AusgeblendeteEinheitenlschen1Click);
    Bearbeiten1->addSeparator();
    EigeneEinheiteinfgen1 =
        eintrag(Bearbeiten1, QStringLiteral("Ei&gene Einheit einfügen..."), &TMyWindow::EigeneEinheiteinfgen1Click);
    Bearbeiten1->addSeparator();
    Umrechnungsfaktorndern1 = eintrag(Bearbeiten1, QStringLiteral("&Umrechnungsfaktor ändern..."),
                                      &TMyWindow::Umrechnungsfaktorndern1Click);
    Einheitsuchen1 = eintrag(Bearbeiten1, QStringLiteral("Einheiten s&uchen"), &TMyWindow::Einheitsuchen1Click);

    Gebiet1 = leiste->addMenu(QStringLiteral("&Gebiet"));
    NeuesGebieteinfgen1 =
        eintrag(Gebiet1, QStringLiteral("Neues Gebiet &einfügen..."), &TMyWindow::NeuesGebieteinfgen1Click);
    VorhandenesGebietlschen1 =
        eintrag(Gebiet1, QStringLiteral("Vorhandenes Gebiet &löschen..."), &TMyWindow::VorhandenesGebietlschen1Click);

    Einstellungen1 = leiste->addMenu(QStringLiteral("Ei&nstellungen"));
    Fliekommaanzeige1 = eintrag(Einstellungen1, QStringLiteral("&Fließkommaanzeige"), &TMyWindow::Fliekommaanzeige1Click);
    WissenschaZahlenanzeige1 = eintrag(Einstellungen1, QStringLiteral("&Wissenscha. Zahlenanzeige"),
                                       &TMyWindow::WissenschaZahlenanzeige1Click);
    Einstellungen1->addSeparator();
    EinheitensortierungnachAlphabet1 = eintrag(Einstellungen1, QStringLiteral("Einheitensortierung nach &Alphabet"),
                                               &TMyWindow::EinheitensortierungnachAlphabet1Click);
    EinheitensortierungnachLand1 = eintrag(Einstellungen1, QStringLiteral("Einheitensortierung nach &Land"),
                                           &TMyWindow::EinheitensortierungnachLand1Click);
    Einstellungen1->addSeparator();
    Lnderauseinblenden1 =
        eintrag(Einstellungen1, QStringLiteral("Lä&nder aus-/einblenden..."), &TMyWindow::Lnderauseinblenden1Click);
    Einstellungen1->addSeparator();
    AutomatischesRechnen1 =
        eintrag(Einstellungen1, QStringLiteral("&Automatisches Rechnen"), &TMyWindow::AutomatischesRechnen1Click);
    AutomatischesRechnen1->setCheckable(true);

    Informationen1 = leiste->addMenu(QStringLiteral("&Informationen"));
    Vorsatzzeichen1 = eintrag(Informationen1, QStringLiteral("&Vorsatzzeichen"), &TMyWindow::Vorsatzzeichen1Click);
    ChemischeElemente1 = eintrag(Informationen1, QStringLiteral("&Chemische Elemente"), &TMyWindow::ChemischeElemente1Click);
    PhysikalischeKonstanten1 = eintrag(Informationen1, QStringLiteral("&Physikalische Konstanten"), &TMyWindow::PhysikalischeKonstanten1Click);
    Stoffdaten1 = eintrag(Informationen1, QStringLiteral("&Stoffdaten"), &TMyWindow::Stoffdaten1Click);
    DiverseDaten1 = eintrag(Informationen1, QStringLiteral("&Diverse Daten"), &TMyWindow::DiverseDaten1Click);
    Ravento1 = eintrag(Informationen1, QStringLiteral("Ra&vento"), &TMyWindow::Ravento1Click);

    Hilfe1 = leiste->addMenu(QStringLiteral("&Hilfe"));
    Index1 = eintrag(Hilfe1, QStringLiteral("&Index"), &TMyWindow::Index1Click, QKeySequence(Qt::Key_F1));
    ber1 = eintrag(Hilfe1, QStringLiteral("&Über Quantora"), &TMyWindow::ber1Click);

    PopupMenu1 = new QMenu(this);
    Kopieren1 = eintrag(PopupMenu1, QStringLiteral("Kopieren"), &TMyWindow::Kopieren1Click);
}

} // namespace qnt
