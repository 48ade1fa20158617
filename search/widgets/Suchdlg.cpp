#include "search/widgets/Suchdlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/Anwendung.h"
#include "app/Meldung.h"
#include "app/Text.h"
#include "data/Fehler.h"
#include "list/Sitzung.h"
#include "list/widgets/Dialograhmen.h"
#include "list/widgets/Fensterzugang.h"

namespace qnt {

namespace {
const char* const kFrageEinheit =
    "Die Einheit, zu der gesprungen werden soll, ist von der Anzeige ausgeblendet. "
    "Soll sie eingeblendet werden?";
const char* const kFrageLand =
    "Die Einheit, zu der gesprungen werden soll, ist aus einem Land, das von der Anzeige "
    "ausgeblendet ist. Soll das Land eingeblendet werden?";

QLabel* beschriftung(QWidget* eltern, const QString& text, int x, int y) {
    auto* l = new QLabel(text, eltern);
    l->move(x, y);
    l->adjustSize();
    return l;
}
} // namespace

TSuch_Dialog::TSuch_Dialog(TFensterzugang& fenster, QWidget* eltern) : QDialog(eltern), fenster_(fenster) {
    dialogRahmen(this, QStringLiteral("Einheiten suchen"));
    setFixedSize(520, 372);

    RadioGroup1 = new QGroupBox(QStringLiteral("Suchen nach"), this);
    RadioGroup1->setGeometry(12, 8, 300, 46);
    RadioName = new QRadioButton(QStringLiteral("Name"), RadioGroup1);
    RadioName->setGeometry(12, 20, 130, 18);
    RadioAbkuerzung = new QRadioButton(QStringLiteral("Abkürzung"), RadioGroup1);
    RadioAbkuerzung->setGeometry(156, 20, 130, 18);
    gruppe1_ = new QButtonGroup(this);
    gruppe1_->addButton(RadioName, 0);
    gruppe1_->addButton(RadioAbkuerzung, 1);
    RadioName->setChecked(true);

    Label1 = beschriftung(this, QStringLiteral("Suchbegriff:"), 12, 62);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(12, 78, 300, 21);
    Edit1->setMaxLength(20);
    Label1->setBuddy(Edit1);

    RadioGroup2 = new QGroupBox(this);
    RadioGroup2->setGeometry(12, 106, 300, 52);
    RadioBestandteil =
        new QRadioButton(QStringLiteral("Suchbegriff als Bestandteil des Namens"), RadioGroup2);
    RadioBestandteil->setGeometry(12, 8, 280, 18);
    RadioExakt = new QRadioButton(QStringLiteral("Exakte Übereinstimmung mit Namen"), RadioGroup2);
    RadioExakt->setGeometry(12, 28, 280, 18);
    gruppe2_ = new QButtonGroup(this);
    gruppe2_->addButton(RadioBestandteil, 0);
    gruppe2_->addButton(RadioExakt, 1);
    RadioBestandteil->setChecked(true);

    Label2 = beschriftung(this, QStringLiteral("Gefundene Einheiten:"), 12, 166);
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(12, 182, 496, 150);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    Label2->setBuddy(ListBox1);
    Label3 = beschriftung(this, QStringLiteral("Anzahl:"), 12, 342);
    Label4 = new QLabel(QStringLiteral("0"), this);
    Label4->setGeometry(Label3->geometry().right() + 6, 342, 80, Label3->height());

    OKBtn = new QPushButton(QStringLiteral("&Suche starten"), this);
    OKBtn->setGeometry(370, 14, 138, 27);
    OKBtn->setDefault(true);
    HelpBtn = new QPushButton(QStringLiteral("&Gehe zu"), this);
    HelpBtn->setGeometry(370, 48, 138, 27);
    CancelBtn = new QPushButton(QStringLiteral("&Beenden"), this);
    CancelBtn->setGeometry(370, 82, 138, 27);

    setTabOrder(RadioName, RadioAbkuerzung);
    setTabOrder(RadioAbkuerzung, Edit1);
    setTabOrder(Edit1, RadioBestandteil);
    setTabOrder(RadioBestandteil, RadioExakt);
    setTabOrder(RadioExakt, ListBox1);
    setTabOrder(ListBox1, OKBtn);
    setTabOrder(OKBtn, HelpBtn);
    setTabOrder(HelpBtn, CancelBtn);

    connect(gruppe1_, &QButtonGroup::idToggled, this, [this](int, bool an) {
        if (an) RadioGroup1Click();
    });
    connect(OKBtn, &QPushButton::clicked, this, [this] { mitFehlerbericht([this] { OKBtnClick(); }); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { mitFehlerbericht([this] { HelpBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TSuch_Dialog::RadioGroup1Index() const {
    return gruppe1_->checkedId();
}
int TSuch_Dialog::RadioGroup2Index() const {
    return gruppe2_->checkedId();
}

void TSuch_Dialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    mitFehlerbericht([this] { FormShow(); });
}

void TSuch_Dialog::FormShow() {
    Edit1->setMaxLength(20);
    if (!Trefferliste.empty()) {
        // The data may have changed since the last search (units deleted or inserted, categories created or
        // deleted): the listed hits are found again, so that a jump never reaches a record the hit no longer
        // names.
        const int zeile = ListBox1->currentRow();
        if (const auto ergebnis =
                suche(fenster_.Sitzung().Gebiete, letzte_.Begriff, letzte_.Art, letzte_.Namen)) {
            trefferZeigen(*ergebnis);
            if (ergebnis->DateiFehlt) meldeFehler(this, qs(kDatendateiFehlt));
            Label4->setText(QString::number(ListBox1->count()));
            if (ListBox1->count() > 0) ListBox1->setCurrentRow(std::clamp(zeile, 0, ListBox1->count() - 1));
        }
    }
    Edit1->setFocus();
    HelpBtn->setEnabled(ListBox1->count() > 0);
}

void TSuch_Dialog::RadioGroup1Click() {
    RadioGroup2->setVisible(RadioGroup1Index() == 0);
}

void TSuch_Dialog::trefferZeigen(const TSuchergebnis& ergebnis) {
    ListBox1->clear();
    Trefferliste = ergebnis.Treffer;
    QStringList zeilen;
    zeilen.reserve(static_cast<qsizetype>(Trefferliste.size()));
    for (const auto& z : trefferZeilen(fenster_.Sitzung().Gebiete, Trefferliste))
        zeilen << qs(z);
    ListBox1->addItems(zeilen);
}

void TSuch_Dialog::abschliessen() {
    Label4->setText(QString::number(ListBox1->count()));
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
    HelpBtn->setEnabled(ListBox1->count() > 0);
}

void TSuch_Dialog::OKBtnClick() {
    Suchlauf lauf;
    lauf.Begriff = cp(Edit1->text());
    lauf.Art = RadioGroup1Index() == 1 ? Suchart::Abkuerzung : Suchart::Name;
    lauf.Namen = RadioGroup2Index() == 1 ? Namenssuche::Exakt : Namenssuche::Bestandteil;
    const auto ergebnis = suche(fenster_.Sitzung().Gebiete, lauf.Begriff, lauf.Art, lauf.Namen);
    if (!ergebnis) return; // an empty term leaves everything as it is
    letzte_ = lauf;
    trefferZeigen(*ergebnis);
    if (ergebnis->DateiFehlt) meldeFehler(this, qs(kDatendateiFehlt));
    abschliessen();
}

void TSuch_Dialog::HelpBtnClick() {
    const int zeile = ListBox1->currentRow();
    if (zeile < 0 || zeile >= static_cast<int>(Trefferliste.size())) return;
    const TSuchobjekt treffer = Trefferliste[static_cast<std::size_t>(zeile)];
    if (treffer.GebietNr < 1 || treffer.GebietNr > static_cast<int>(fenster_.Sitzung().Gebiete.size()))
        throw listenIndexFehler(treffer.GebietNr - 1);

    bool abgelehnt = false;
    if (treffer.Angezeigt == 0) {
        if (frageJaNein(this, qs(kFrageEinheit)) == KnopfJa)
            trefferEinblenden(fenster_.Sitzung().Gebiete, treffer);
        else
            abgelehnt = true;
    }
    const bool landBekannt = treffer.LandNr >= 1 && treffer.LandNr <= kLaenderAnzahl;
    auto& landAn =
        fenster_.Sitzung().LandAngezeigt[static_cast<std::size_t>(landBekannt ? treffer.LandNr : 0)];
    if (landBekannt && !landAn) {
        if (frageJaNein(this, qs(kFrageLand)) == KnopfJa)
            landAn = true;
        else
            abgelehnt = true;
    }
    if (abgelehnt) return;

    fenster_.GebietWaehlen(treffer.GebietNr - 1);
    // A unit that is no longer listed leaves the first one marked.
    if (const auto satz = trefferSatz(fenster_.Sitzung().Gebiete, treffer))
        if (const auto k = findeTreffer(fenster_.Sitzung().liste(), satz->Name(), treffer.LandNr))
            fenster_.MarkiereZeile(static_cast<int>(*k));
    accept();
}

} // namespace qnt
