#include "app/Qnt01.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include "app/Anwendung.h"
#include "app/Flaggen.h"
#include "app/Hilfe.h"
#include "app/Meldung.h"
#include "app/Symbole.h"
#include "app/Text.h"
#include "data/Einstellungen.h"
#include "list/widgets/EinheitenModell.h"
#include "list/widgets/ZeilenDelegate.h"

namespace qnt {

namespace {
QLabel* neuesLabel(QWidget* eltern, const QString& text, int x, int y, const QColor& farbe = QColor()) {
    auto* l = new QLabel(text, eltern);
    l->move(x, y);
    if (farbe.isValid()) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, farbe);
        l->setPalette(p);
    }
    l->adjustSize();
    return l;
}

void setzeText(QLabel* l, const QString& text) {
    l->setText(text);
    l->adjustSize();
}
} // namespace

TMyWindow::TMyWindow(QWidget* eltern) : QMainWindow(eltern) {
    setWindowTitle(QStringLiteral("Quantora Pro"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    SteuerelementeAnlegen();
    MenueAnlegen();
    FormCreate();
    DialogeAnlegen();
}

TMyWindow::~TMyWindow() = default;

void TMyWindow::SteuerelementeAnlegen() {
    auto* flaeche = new QWidget(this);
    flaeche->setFixedSize(561, 374);
    QFont formSchrift(QStringLiteral("Arial"));
    formSchrift.setPointSize(8);
    flaeche->setFont(formSchrift);
    QPalette blau = flaeche->palette();
    blau.setColor(QPalette::WindowText, Qt::blue);
    flaeche->setPalette(blau);
    setCentralWidget(flaeche);

    Label4 = neuesLabel(flaeche, QStringLiteral("Gebiet:"), 10, 0);
    ComboBox1 = new QComboBox(flaeche);
    ComboBox1->setGeometry(10, 20, 145, 21);
    ComboBox1->setEditable(false);
    SpeedButton2 = new QToolButton(flaeche);
    SpeedButton2->setGeometry(160, 20, 25, 21);
    SpeedButton2->setToolTip(QStringLiteral("Information über Gebiet"));
    SpeedButton2->setIcon(symbolInfo());

    Label1 = neuesLabel(flaeche, QStringLiteral("Ausgangseinheit und Ergebnis:"), 201, 5);
    Label_Ausgangseinheit = neuesLabel(flaeche, QString(), 201, 25);
    Flagge1 = new QLabel(flaeche);
    Flagge1->setGeometry(350, 25, 32, 16);
    Flagge1->setVisible(false);
    Label2 = neuesLabel(flaeche, QString(), 405, 25);

    Panel1 = new QFrame(flaeche);
    Panel1->setGeometry(10, 45, 206, 281);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Info_Ueberschrift = neuesLabel(Panel1, QStringLiteral("Information"), 5, 5, Qt::blue);
    QFont unterstrichen = Info_Ueberschrift->font();
    unterstrichen.setUnderline(true);
    Info_Ueberschrift->setFont(unterstrichen);
    Info_Ueberschrift->adjustSize();
    const QColor schwarz(Qt::black), rot(Qt::red);
    Info_Kurzzeichen1 = neuesLabel(Panel1, {}, 5, 25, schwarz);
    Info_Kurzzeichen2 = neuesLabel(Panel1, {}, 5, 38, Qt::blue);
    Info_sonstige_Namen1 = neuesLabel(Panel1, {}, 5, 54, schwarz);
    Info_Sonstige_Namen2 = neuesLabel(Panel1, {}, 5, 67, Qt::blue);
    Info_Uebersetzung1 = neuesLabel(Panel1, {}, 5, 83, schwarz);
    Info_Uebersetzung2 = neuesLabel(Panel1, {}, 5, 96, Qt::blue);
    Info_Einsatzgebiet1 = neuesLabel(Panel1, {}, 5, 112, schwarz);
    Info_Einsatzgebiet2 = neuesLabel(Panel1, {}, 5, 125, Qt::blue);
    Info_entspricht1 = neuesLabel(Panel1, {}, 5, 141, schwarz);
    Info_entspricht2 = neuesLabel(Panel1, {}, 5, 154, Qt::blue);
    Info_ca_Wert1 = neuesLabel(Panel1, {}, 5, 170, schwarz);
    Info_ca_wert2 = neuesLabel(Panel1, {}, 5, 183, Qt::blue);
    Info_Landname1 = neuesLabel(Panel1, {}, 5, 199, schwarz);
    Info_Landname2 = neuesLabel(Panel1, {}, 35, 199, Qt::blue);
    Info_Ort1 = neuesLabel(Panel1, {}, 5, 215, schwarz);
    Info_ort2 = neuesLabel(Panel1, {}, 25, 215, Qt::blue);
    Info_Zeitraum1 = neuesLabel(Panel1, {}, 5, 230, schwarz);
    Info_Zeitraum2 = neuesLabel(Panel1, {}, 55, 230, Qt::blue);
    Info_reg_Unterschiede = neuesLabel(Panel1, {}, 5, 245, rot);
    Info_zeit_unterschiede = neuesLabel(Panel1, {}, 5, 260, rot);

    ListBoxEinheit = new TEinheitenAnsicht(flaeche);
    Einheitenmodell = new TEinheitenModell(sitzung_, ListBoxEinheit);
    ListBoxEinheit->setModel(Einheitenmodell);
    ListBoxEinheit->setGeometry(226, 46, 327, 280);
    ListBoxEinheit->setUniformItemSizes(true);
    ListBoxEinheit->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBoxEinheit->setItemDelegate(new ZeilenDelegate(sitzung_, ListBoxEinheit));
    ListBoxEinheit->setContextMenuPolicy(Qt::CustomContextMenu);
    ListBoxEinheit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette schwarzeListe = ListBoxEinheit->palette();
    schwarzeListe.setColor(QPalette::Text, Qt::black);
    ListBoxEinheit->setPalette(schwarzeListe);
    ListBoxEinheit->installEventFilter(this);

    Label3 = neuesLabel(flaeche, QStringLiteral("Werteingabe:"), 10, 337);
    Edit_Eingabe = new QLineEdit(QStringLiteral("1"), flaeche);
    Edit_Eingabe->setGeometry(100, 335, 71, 21);
    Edit_Eingabe->setMaxLength(15);
    Edit_Eingabe->installEventFilter(this);
    Label_gewaehlte_einheit = neuesLabel(flaeche, {}, 180, 340);
    Image1 = new QLabel(flaeche);
    Image1->setGeometry(330, 340, 32, 16);

    Rechentaste = new QPushButton(QStringLiteral("="), flaeche);
    Rechentaste->setGeometry(448, 335, 45, 25);
    Rechentaste->setToolTip(QStringLiteral("Einheit umrechnen"));
    QFont fett = Rechentaste->font();
    fett.setBold(true);
    fett.setPointSize(11);
    Rechentaste->setFont(fett);
    SpeedButton4 = new QToolButton(flaeche);
    SpeedButton4->setGeometry(503, 335, 25, 25);
    SpeedButton4->setToolTip(QStringLiteral("Einheit suchen"));
    SpeedButton4->setIcon(symbolSuchen());
    SpeedButton3 = new QToolButton(flaeche);
    SpeedButton3->setGeometry(528, 335, 25, 25);
    SpeedButton3->setToolTip(QStringLiteral("Markierte Einheit ausblenden"));
    SpeedButton3->setIcon(symbolAusblenden());

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);

    connect(ComboBox1, &QComboBox::activated, this, sicher(this, &TMyWindow::ComboBox1Change));
    connect(SpeedButton2, &QToolButton::clicked, this, sicher(this, &TMyWindow::SpeedButton2Click));
    connect(SpeedButton3, &QToolButton::clicked, this, sicher(this, &TMyWindow::Einheitausblenden1Click));
    connect(SpeedButton4, &QToolButton::clicked, this, sicher(this, &TMyWindow::Einheitsuchen1Click));
    connect(Rechentaste, &QPushButton::clicked, this, sicher(this, &TMyWindow::RechentasteClick));
    connect(ListBoxEinheit, &TEinheitenAnsicht::currentRowChanged, this, sicher(this, &TMyWindow::ListBoxEinheitClick));
    connect(ListBoxEinheit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->exec(ListBoxEinheit->viewport()->mapToGlobal(p)); });
    connect(Timer1, &QTimer::timeout, this, sicher(this, &TMyWindow::Timer1Timer));
}

void TMyWindow::zeigeStart() {
    adjustSize();
    setFixedSize(size());
    if (const auto* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
    show();
}

// ---------------------------------------------------------------- lifecycle

void TMyWindow::FormCreate() {
    Blinkphase = true;
    Zeige(sitzung_.starte(), nullptr);
}

void TMyWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (gezeigt_) return;
    gezeigt_ = true;
    mitFehlerbericht([this] { FormShow(); });
}

void TMyWindow::FormShow() {
    ComboBox1->setMaxVisibleItems(20);
    const TBerichte berichte = sitzung_.oeffne();
    GebieteAuflisten(sitzung_.gebietsindex());
    SortiermenueZeigen();
    WissenschaZahlenanzeige1->setEnabled(!sitzung_.wissAnzeige());
    Fliekommaanzeige1->setEnabled(sitzung_.wissAnzeige());
    WertKopieren1->setEnabled(false);
    ListeZeigen(berichte);
}

void TMyWindow::closeEvent(QCloseEvent* e) {
    mitFehlerbericht([this] { FormClose(); });
    e->accept();
}

void TMyWindow::FormClose() {
    const TBerichte berichte = sitzung_.beende();
    Zeige(berichte);
    {
        const QSignalBlocker block(ListBoxEinheit);
        Einheitenmodell->neuAufbauen();
    }
    hilfeBeenden();
}

void TMyWindow::Beenden1Click() { close(); }

void TMyWindow::keyPressEvent(QKeyEvent*) {}

bool TMyWindow::eventFilter(QObject* objekt, QEvent* ereignis) {
    const bool druck = ereignis->type() == QEvent::KeyPress;
    const bool los = ereignis->type() == QEvent::KeyRelease;
    if (objekt == Edit_Eingabe && ereignis->type() == QEvent::ShortcutOverride) {
        // Menu shortcuts win over the field's own keys, as long as their item is enabled.
        const auto* k = static_cast<QKeyEvent*>(ereignis);
        const QKeySequence taste(k->keyCombination());
        if ((taste == WertKopieren1->shortcut() && WertKopieren1->isEnabled()) ||
            taste == Einheitausblenden1->shortcut())
            return true;
    }
    if ((objekt == Edit_Eingabe || objekt == ListBoxEinheit) && (druck || los)) {
        const auto* k = static_cast<QKeyEvent*>(ereignis);
        const bool eingabetaste = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (druck && eingabetaste) {
            mitFehlerbericht([this] { RechentasteClick(); });
            return true;
        }
        if (los && objekt == Edit_Eingabe && !k->isAutoRepeat()) {
            const int taste = k->key();
            const bool block = k->modifiers() & Qt::KeypadModifier;
            QTimer::singleShot(0, this, [this, taste, block] {
                mitFehlerbericht([&] { Edit_EingabeKeyUp(taste, block); });
            });
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

// ---------------------------------------------------------------- reports and rows

void TMyWindow::Zeige(const TBerichte& berichte, QWidget* eltern) {
    for (const TBericht& b : berichte) {
        switch (b.Art) {
        case Berichtsart::Information: meldeInfo(eltern, qs(b.Text)); break;
        case Berichtsart::Warnung: meldeWarnung(eltern, qs(b.Text)); break;
        case Berichtsart::Fehler: meldeFehler(eltern, qs(b.Text)); break;
        }
        if (b.EingabeFokus) {
            Edit_Eingabe->setFocus();
            if (b.EingabeMarkieren) Edit_Eingabe->selectAll();
        }
    }
}

void TMyWindow::ZeilenZeigen() {
    const QSignalBlocker block(ListBoxEinheit);
    Einheitenmodell->neuAufbauen();
    if (sitzung_.markiert() >= 0) ListBoxEinheit->setCurrentRow(sitzung_.markiert());
}

void TMyWindow::ListeZeigen(const TBerichte& berichte) {
    ZeilenZeigen();
    ErgebnisUeberschriftLoeschen();
    GewaehlteEinheitZeigen();
    InfopanelFuellen();
    Zeige(berichte);
}

void TMyWindow::MarkiereZeile(int zeile) {
    sitzung_.markiere(zeile);
    {
        const QSignalBlocker block(ListBoxEinheit);
        ListBoxEinheit->setCurrentRow(sitzung_.markiert());
    }
    InfopanelFuellen();
    GewaehlteEinheitZeigen();
}

void TMyWindow::ListeNeuFuellen() { ListeZeigen(sitzung_.listeNeuLaden()); }

void TMyWindow::GebieteAuflisten(int index) {
    const QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
    for (const auto& g : sitzung_.Gebiete) ComboBox1->addItem(qs(g.Gebietname));
    ComboBox1->setCurrentIndex(index);
}

void TMyWindow::GebietWaehlen(int index) {
    GebieteAuflisten(index);
    ComboBox1Change();
}

void TMyWindow::AutomatischeNeuberechnung() {
    if (sitzung_.neuberechnungFaellig(Edit_Eingabe->text().isEmpty())) RechentasteClick();
}

void TMyWindow::ListenzeilenNeuZeichnen() { Einheitenmodell->ergebnisseGeaendert(); }

// ---------------------------------------------------------------- list commands

void TMyWindow::ComboBox1Change() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    WertKopieren1->setEnabled(false);
    ErgebnisUeberschriftLoeschen();
    ListeZeigen(sitzung_.waehleGebiet(ComboBox1->currentIndex()));
    QApplication::restoreOverrideCursor();
    AutomatischeNeuberechnung();
}

void TMyWindow::SortiermenueZeigen() {
    EinheitensortierungnachAlphabet1->setEnabled(!sitzung_.sortAlphabet());
    EinheitensortierungnachLand1->setEnabled(sitzung_.sortAlphabet());
}

void TMyWindow::SortierungZeigen(const TAntwort& a) {
    if (!a.Ausgefuehrt) return;
    SortiermenueZeigen();
    ListeZeigen(a.Berichte);
    AutomatischeNeuberechnung();
}

void TMyWindow::EinheitensortierungnachLand1Click() { SortierungZeigen(sitzung_.sortiereNachLand()); }

void TMyWindow::EinheitensortierungnachAlphabet1Click() { SortierungZeigen(sitzung_.sortiereNachAlphabet()); }

void TMyWindow::Einheitausblenden1Click() {
    const int vorher = sitzung_.markiert();
    const TAntwort a = sitzung_.blendeAus();
    if (!a.Ausgefuehrt) return;
    {
        const QSignalBlocker block(ListBoxEinheit);
        Einheitenmodell->zeileEntfernt(std::max(0, vorher));
        if (sitzung_.markiert() >= 0) ListBoxEinheit->setCurrentRow(sitzung_.markiert());
    }
    ErgebnisUeberschriftLoeschen();
    GewaehlteEinheitZeigen();
    InfopanelFuellen();
    AutomatischeNeuberechnung();
}

void TMyWindow::SpeedButton2Click() {
    if (const auto text = sitzung_.gebietsbeschreibung()) meldeInfo(this, qs(*text));
}

void TMyWindow::ListBoxEinheitClick() {
    sitzung_.markiere(ListBoxEinheit->currentRow());
    InfopanelFuellen();
    GewaehlteEinheitZeigen();
    AutomatischeNeuberechnung();
}

// ---------------------------------------------------------------- panel and heading

void TMyWindow::InfopanelFuellen() {
    QLabel* const paare[][2] = {{Info_Kurzzeichen1, Info_Kurzzeichen2},       {Info_sonstige_Namen1, Info_Sonstige_Namen2},
                                {Info_Uebersetzung1, Info_Uebersetzung2},     {Info_Einsatzgebiet1, Info_Einsatzgebiet2},
                                {Info_entspricht1, Info_entspricht2},         {Info_ca_Wert1, Info_ca_wert2},
                                {Info_Ort1, Info_ort2},                       {Info_Zeitraum1, Info_Zeitraum2}};
    const TInfopanel p = sitzung_.infopanel();
    for (std::size_t i = 0; i < std::size(paare); ++i) {
        setzeText(paare[i][0], qs(p.Paare[i][0]));
        setzeText(paare[i][1], qs(p.Paare[i][1]));
    }
    setzeText(Info_Landname1, qs(p.LandTitel));
    setzeText(Info_Landname2, qs(p.Land));
    setzeText(Info_reg_Unterschiede, qs(p.Regional));
    setzeText(Info_zeit_unterschiede, qs(p.Zeitlich));
}

void TMyWindow::GewaehlteEinheitZeigen() {
    const TAusgabetextobject* e = sitzung_.gewaehlteEinheit();
    if (!e) {
        setzeText(Label_gewaehlte_einheit, {});
        Image1->clear();
        return;
    }
    setzeText(Label_gewaehlte_einheit, qs(e->Satz.Name()));
    Image1->move(Label_gewaehlte_einheit->x() + Label_gewaehlte_einheit->width() + 5, Image1->y());
    Image1->setPixmap(flagge(e->Satz.LandNr()));
}

void TMyWindow::ErgebnisUeberschriftZeigen() {
    Blinkzaehler = 0;
    Timer1->start();
    setzeText(Label_Ausgangseinheit, Edit_Eingabe->text() + QStringLiteral("  ") + Label_gewaehlte_einheit->text());
    setzeText(Label2, QStringLiteral("="));
    Flagge1->move(Label_Ausgangseinheit->x() + Label_Ausgangseinheit->width() + 5, Flagge1->y());
    if (const QPixmap p = Image1->pixmap(); !p.isNull()) Flagge1->setPixmap(p);
    Label2->move(Flagge1->x() + Flagge1->width() + 3, Label2->y());
}

void TMyWindow::ErgebnisUeberschriftLoeschen() {
    Timer1->stop();
    setzeText(Label_Ausgangseinheit, {});
    setzeText(Label2, {});
    Flagge1->setVisible(false);
}

void TMyWindow::Timer1Timer() {
    ++Blinkzaehler;
    QWidget* const teile[] = {Label_Ausgangseinheit, Flagge1, Label2};
    if (Blinkzaehler == 6) {
        Timer1->stop();
        for (auto* w : teile) w->setVisible(true);
    } else if (Blinkphase) {
        for (auto* w : teile) w->setVisible(true);
        Blinkphase = false;
    } else {
        for (auto* w : teile) w->setVisible(false);
        Blinkphase = true;
    }
}

// ---------------------------------------------------------------- calculation

void TMyWindow::Ergebnisse_anzeigen() {
    WertKopieren1->setEnabled(true);
    ErgebnisUeberschriftZeigen();
    ListenzeilenNeuZeichnen();
    InfopanelFuellen();
}

void TMyWindow::RechentasteClick() {
    if (sitzung_.liste().empty()) return;
    const int oben = ListBoxEinheit->verticalScrollBar()->value();
    struct Wiederherstellen {
        QAbstractItemView* liste;
        int wert;
        ~Wiederherstellen() { liste->verticalScrollBar()->setValue(wert); }
    } wiederherstellen{ListBoxEinheit, oben};
    rechnen();
}

void TMyWindow::Edit_EingabeKeyUp(int taste, bool ziffernblock) {
    const bool nullTaste = taste == Qt::Key_0;
    const bool dezimalZiffernblock = ziffernblock && (taste == Qt::Key_Comma || taste == Qt::Key_Period);
    if (sitzung_.tasteRechnet(nullTaste, dezimalZiffernblock, Edit_Eingabe->text().isEmpty())) RechentasteClick();
}

void TMyWindow::AutomatischesRechnen1Click() {
    const bool jetzt = sitzung_.schalteAutoRechnen();
    AutomatischesRechnen1->setChecked(sitzung_.AutoRechnen);
    if (jetzt) AutomatischeNeuberechnung();
}

void TMyWindow::Wertkopieren1Click() {
    if (const auto wert = sitzung_.markierterWert()) QApplication::clipboard()->setText(qs(*wert));
}

void TMyWindow::Kopieren1Click() { Wertkopieren1Click(); }

void TMyWindow::Werteinfgen1Click() {
    Edit_Eingabe->clear();
    Edit_Eingabe->paste();
    AutomatischeNeuberechnung();
}

void TMyWindow::WissenschaZahlenanzeige1Click() {
    WissenschaZahlenanzeige1->setEnabled(false);
    Fliekommaanzeige1->setEnabled(true);
    if (sitzung_.setzeWissAnzeige(true)) ListenzeilenNeuZeichnen();
}

void TMyWindow::Fliekommaanzeige1Click() {
    Fliekommaanzeige1->setEnabled(false);
    WissenschaZahlenanzeige1->setEnabled(true);
    if (sitzung_.setzeWissAnzeige(false)) ListenzeilenNeuZeichnen();
}

} // namespace qnt
