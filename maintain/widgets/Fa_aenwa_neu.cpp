#include "maintain/widgets/Fa_aenwa_neu.h"

#include <algorithm>

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Anwendung.h"
#include "app/Meldung.h"
#include "app/Text.h"
#include "convert/Zahlen.h"
#include "list/Einheitenliste.h"
#include "list/Sitzung.h"
#include "list/widgets/Dialograhmen.h"
#include "list/widgets/Fensterzugang.h"
#include "maintain/widgets/Kursquelle.h"

namespace qnt {

namespace {
constexpr int kSpalten = 5, kSpaltenbreite = 112, kZeilenhoehe = 20, kSichtbareZeilen = 16;
constexpr int kSpalteEuro = 2;

// The rate text keeps its width of 22 with leading blanks; in a narrow cell the blanks give way, not the
// digits.
class Kursdelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
        option->textElideMode = Qt::ElideNone;
    }
};

QString hinweis() {
    return QStringLiteral("Die Angaben in der Spalte \"Stand\" und \"Wert bzw. ca-Wert\" dienen nicht zur "
                          "Berechnung und werden nur zur Information im Info-Feld angezeigt (max. 32 "
                          "bzw. 21 Buchstaben).");
}

QFont fett(const QWidget* w) {
    QFont f = w->font();
    f.setBold(true);
    return f;
}

QTableWidgetItem* zelle(const std::string& text, bool editierbar) {
    auto* z = new QTableWidgetItem(qs(text));
    if (!editierbar) z->setFlags(z->flags() & ~Qt::ItemIsEditable);
    return z;
}
} // namespace

TFaktor_aender_Waehrung_neu::TFaktor_aender_Waehrung_neu(TFensterzugang& fenster, QWidget* eltern)
    : QDialog(eltern), fenster_(fenster) {
    dialogRahmen(this, QStringLiteral("Umrechnungsfaktoren ändern - Währungen"));

    StringGrid1 = new QTableWidget(0, kSpalten, this);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kZeilenhoehe);
    StringGrid1->verticalHeader()->setMinimumSectionSize(kZeilenhoehe);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kSpaltenbreite);
    StringGrid1->horizontalHeader()->setFixedHeight(kZeilenhoehe + 2);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int s = 0; s < kSpalten; ++s)
        StringGrid1->setColumnWidth(s, kSpaltenbreite);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setShowGrid(true);
    StringGrid1->setTabKeyNavigation(true);
    StringGrid1->setWordWrap(false);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed);
    StringGrid1->setItemDelegateForColumn(kSpalteEuro, new Kursdelegate(StringGrid1));
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Land"), QStringLiteral("Währung"),
                                            QStringLiteral("Euro"), QStringLiteral("Stand"),
                                            QStringLiteral("Wert bzw.ca-Wert")});

    Label_Festkurse = new QLabel(QStringLiteral("Achtung: Festkurse können nicht geändert werden!"), this);
    Label_Festkurse->setFont(fett(Label_Festkurse));
    QPalette rot = Label_Festkurse->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    Label_Festkurse->setPalette(rot);
    Memo1 = new QLabel(this);
    Memo1->setWordWrap(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse);

    BitBtn_Speichern = new QPushButton(QStringLiteral("Daten &speichern"), this);
    BitBtn_Speichern->setDefault(true);
    BitBtn_Abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BitBtn_Abbrechen->setAutoDefault(false);
    BitBtn_Land = new QPushButton(QStringLiteral("Nach &Land sortieren"), this);
    BitBtn_Land->setAutoDefault(false);
    BitBtn_Einheit = new QPushButton(QStringLiteral("Nach &Einheit sortieren"), this);
    BitBtn_Einheit->setAutoDefault(false);
    BitBtn_Kurse = new QPushButton(QStringLiteral("&Kurse aktualisieren…"), this);
    BitBtn_Kurse->setAutoDefault(false);
    auto* kursquellen = new QMenu(BitBtn_Kurse);
    connect(kursquellen->addAction(QStringLiteral("Aus dem &Internet")), &QAction::triggered, this,
            sicher(this, &TFaktor_aender_Waehrung_neu::KurseAusDemInternet));
    connect(kursquellen->addAction(QStringLiteral("Aus &Datei…")), &QAction::triggered, this, [this] {
        const QString pfad =
            QFileDialog::getOpenFileName(this, QStringLiteral("Referenzkurse der EZB öffnen"), QString(),
                                         QStringLiteral("Referenzkurse (*.xml *.csv);;Alle Dateien (*)"));
        if (!pfad.isEmpty()) mitFehlerbericht([&] { KurseAusDatei(pfad); });
    });
    BitBtn_Kurse->setMenu(kursquellen);
    Kursadresse = QUrl(QString::fromLatin1(kEzbKursadresse));
    for (auto* k : {BitBtn_Speichern, BitBtn_Abbrechen, BitBtn_Land, BitBtn_Einheit, BitBtn_Kurse})
        k->setMinimumWidth(130);
    Label_Kursstand = new QLabel(this);
    Label_Kursstand->setMinimumHeight(Label_Kursstand->fontMetrics().height());

    auto* aussen = new QVBoxLayout(this);
    aussen->setSizeConstraint(QLayout::SetFixedSize);
    aussen->setContentsMargins(10, 10, 10, 10);
    aussen->addWidget(StringGrid1);
    aussen->addWidget(Label_Kursstand);
    aussen->addWidget(Label_Festkurse);
    Memo1->setText(hinweis());
    aussen->addWidget(Memo1);
    spaltenAnpassen();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BitBtn_Land);
    knoepfe->addWidget(BitBtn_Einheit);
    knoepfe->addWidget(BitBtn_Kurse);
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtn_Speichern);
    knoepfe->addWidget(BitBtn_Abbrechen);
    aussen->addLayout(knoepfe);
    tabfolge({StringGrid1, BitBtn_Land, BitBtn_Einheit, BitBtn_Kurse, BitBtn_Speichern, BitBtn_Abbrechen});

    connect(BitBtn_Speichern, &QPushButton::clicked, this,
            sicher(this, &TFaktor_aender_Waehrung_neu::BitBtn_SpeichernClick));
    connect(BitBtn_Land, &QPushButton::clicked, this,
            sicher(this, &TFaktor_aender_Waehrung_neu::BitBtn_LandClick));
    connect(BitBtn_Einheit, &QPushButton::clicked, this,
            sicher(this, &TFaktor_aender_Waehrung_neu::BitBtn_EinheitClick));
    connect(BitBtn_Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TFaktor_aender_Waehrung_neu::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    mitFehlerbericht([this] { FormShow(); });
}

void TFaktor_aender_Waehrung_neu::hideEvent(QHideEvent* e) {
    tabelle_ = {};
    uebernommen_.clear();
    Label_Kursstand->clear();
    StringGrid1->setRowCount(0);
    QDialog::hideEvent(e);
}

void TFaktor_aender_Waehrung_neu::FormShow() {
    Memo1->setText(hinweis());
    const std::string datei = fenster_.Sitzung().datei();
    geladen_ = ladeKurstabelle(datei, tabelle_);
    uebernommen_.clear();
    Label_Kursstand->clear();
    tabelleFuellen();
    BitBtn_Land->setEnabled(true);
    BitBtn_Einheit->setEnabled(false);
    // A table that could not be read whole must not be written back over the file.
    BitBtn_Speichern->setEnabled(geladen_);
    BitBtn_Kurse->setEnabled(geladen_);
    StringGrid1->setFocus();
    if (StringGrid1->rowCount() > 0) StringGrid1->setCurrentCell(0, kSpalteEuro);
    if (!geladen_) meldeFehler(this, qs(datendateiMeldung(datei)));
}

void TFaktor_aender_Waehrung_neu::tabelleFuellen() {
    StringGrid1->clearContents();
    StringGrid1->setRowCount(static_cast<int>(tabelle_.Eintraege.size()));
    const QFont hervorgehoben = fett(StringGrid1);
    int r = 0;
    for (const auto& e : tabelle_.Eintraege) {
        const TKurszeile z = kursZeile(e);
        StringGrid1->setItem(r, 0, zelle(z.Land, false));
        StringGrid1->setItem(r, 1, zelle(z.Waehrung, false));
        StringGrid1->setItem(r, 2, zelle(z.Euro, true));
        StringGrid1->setItem(r, 3, zelle(z.Stand, true));
        StringGrid1->setItem(r, 4, zelle(z.Wert, true));
        if (uebernommen_.count(e.SatzNr))
            for (int s = 0; s < kSpalten; ++s)
                StringGrid1->item(r, s)->setFont(hervorgehoben);
        ++r;
    }
    spaltenAnpassen();
}

// Every column as wide as its longest text (bold, as a row that took a rate shows it), at least the
// classic 112 pixels; the dialog follows.
void TFaktor_aender_Waehrung_neu::spaltenAnpassen() {
    const QFontMetrics mass(fett(StringGrid1));
    const int rand =
        2 * StringGrid1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, StringGrid1) + 8;
    int summe = 0;
    for (int s = 0; s < kSpalten; ++s) {
        int breite = mass.horizontalAdvance(StringGrid1->horizontalHeaderItem(s)->text());
        for (int r = 0; r < StringGrid1->rowCount(); ++r)
            if (const QTableWidgetItem* z = StringGrid1->item(r, s))
                breite = std::max(breite,
                                  mass.horizontalAdvance(s == kSpalteEuro ? z->text().trimmed() : z->text()));
        breite = std::max(kSpaltenbreite, breite + rand);
        StringGrid1->setColumnWidth(s, breite);
        summe += breite;
    }
    const int rahmen = 2 * StringGrid1->frameWidth();
    StringGrid1->setFixedSize(summe + StringGrid1->verticalScrollBar()->sizeHint().width() + rahmen,
                              StringGrid1->horizontalHeader()->height() + kSichtbareZeilen * kZeilenhoehe +
                                  rahmen);
    Memo1->setFixedWidth(StringGrid1->width());
    Memo1->setFixedHeight(Memo1->heightForWidth(Memo1->width()));
}

void TFaktor_aender_Waehrung_neu::KurseAusDemInternet() {
    TKursabruf abruf;
    QProgressDialog warten(QStringLiteral("Die Referenzkurse der Europäischen Zentralbank werden geladen…"),
                           QStringLiteral("Abbrechen"), 0, 0, this);
    warten.setWindowTitle(windowTitle());
    warten.setWindowModality(Qt::WindowModal);
    warten.setMinimumDuration(0);
    connect(&warten, &QProgressDialog::canceled, &abruf, &TKursabruf::abbrechen);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    abruf.starte(Kursadresse);
    warten.show();
    const TAbrufergebnis ergebnis = abruf.warte();
    QApplication::restoreOverrideCursor();
    warten.hide();
    kurseUebernehmen(kurseAusAbruf(ergebnis));
}

void TFaktor_aender_Waehrung_neu::KurseAusDatei(const QString& pfad) {
    kurseUebernehmen(liesKursdatei(pfad));
}

// The rates go into the open table only; the cells typed so far stay, "Daten &speichern" writes.
void TFaktor_aender_Waehrung_neu::kurseUebernehmen(const TKurslesung& lesung) {
    if (!lesung.Kurse) {
        if (!lesung.Meldung.empty()) meldeFehler(this, qs(lesung.Meldung));
        return;
    }
    const TKursuebernahme u = uebernehmeKurse(tabelle_.Eintraege, *lesung.Kurse);
    uebernommen_.insert(u.Uebernommen.begin(), u.Uebernommen.end());
    const QFont hervorgehoben = fett(StringGrid1);
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        const TAusgabetextobject& e = tabelle_.Eintraege[static_cast<std::size_t>(r)];
        if (std::find(u.Uebernommen.begin(), u.Uebernommen.end(), e.SatzNr) == u.Uebernommen.end()) continue;
        const TKurszeile z = kursZeile(e);
        StringGrid1->item(r, kSpalteEuro)->setText(qs(z.Euro));
        StringGrid1->item(r, 3)->setText(qs(z.Stand));
        for (int s = 0; s < kSpalten; ++s)
            StringGrid1->item(r, s)->setFont(hervorgehoben);
    }
    spaltenAnpassen();
    Label_Kursstand->setText(qs(uebernahmeText(u, *lesung.Kurse)));
}

void TFaktor_aender_Waehrung_neu::BitBtn_LandClick() {
    sortiereNachLand(tabelle_);
    tabelleFuellen();
    BitBtn_Land->setEnabled(false);
    BitBtn_Einheit->setEnabled(true);
}

void TFaktor_aender_Waehrung_neu::BitBtn_EinheitClick() {
    sortiereNachEinheit(tabelle_);
    tabelleFuellen();
    BitBtn_Land->setEnabled(true);
    BitBtn_Einheit->setEnabled(false);
}

void TFaktor_aender_Waehrung_neu::BitBtn_SpeichernClick() {
    // A cell still being edited counts with what it shows.
    const QModelIndex aktuell = StringGrid1->currentIndex();
    if (QWidget* editor = StringGrid1->indexWidget(aktuell))
        StringGrid1->itemDelegate()->setModelData(editor, StringGrid1->model(), aktuell);
    std::vector<TKurszellen> zellen;
    zellen.reserve(static_cast<std::size_t>(StringGrid1->rowCount()));
    const auto text = [this](int r, int s) {
        const QTableWidgetItem* z = StringGrid1->item(r, s);
        return z ? cp(z->text()) : std::string();
    };
    for (int r = 0; r < StringGrid1->rowCount(); ++r)
        zellen.push_back({text(r, 2), text(r, 3), text(r, 4)});
    const auto ergebnis = speichereKurstabelle(fenster_.Sitzung().datei(), tabelle_, zellen,
                                               [](std::string_view t) { return dezimalzahlLesen(t); });
    switch (ergebnis.Ergebnis) {
    case TKursspeicherung::Art::FalscheEingabe:
        meldeFehler(this, qs(ergebnis.Meldung));
        StringGrid1->setFocus();
        StringGrid1->setCurrentCell(ergebnis.Zeile, kSpalteEuro);
        return;
    case TKursspeicherung::Art::Schreibfehler:
        meldeFehler(this, qs(ergebnis.Meldung));
        break;
    case TKursspeicherung::Art::Gespeichert:
        break;
    }
    accept();
}

} // namespace qnt
