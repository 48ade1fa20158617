#include "maintain/widgets/GebietNeuDialog.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/Anwendung.h"
#include "app/Meldung.h"
#include "app/Text.h"
#include "list/Sitzung.h"
#include "list/widgets/Dialograhmen.h"
#include "list/widgets/Fensterzugang.h"
#include "maintain/Laenderauswahl.h"

namespace qnt {

namespace {
QLabel* beschriftung(QWidget* eltern, const QString& text, int x, int y) {
    auto* l = new QLabel(text, eltern);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLabel* erklaerung(QWidget* eltern, const QString& text, const QRect& platz) {
    auto* l = new QLabel(text, eltern);
    l->setGeometry(platz);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::darkBlue);
    l->setPalette(p);
    return l;
}
} // namespace

TGebietNeuDlg::TGebietNeuDlg(TFensterzugang& fenster, QWidget* eltern) : QDialog(eltern), fenster_(fenster) {
    dialogRahmen(this, QStringLiteral("Neues Gebiet einfügen"));
    setFixedSize(520, 466);

    constexpr int links = 12, breite = 250, rechts = 282;
    const auto zeile = [&](QLabel*& label, QLineEdit*& edit, const QString& text, int y) {
        label = beschriftung(this, text, links, y);
        edit = new QLineEdit(this);
        edit->setGeometry(links, y + 16, breite, 21);
        label->setBuddy(edit);
    };
    zeile(LabelName, EditName, QStringLiteral("Name des neuen Gebietes (z.B. Länge):"), 12);
    zeile(LabelGrundeinheit, EditGrundeinheit, QStringLiteral("Name der Grundeinheit (z.B. Meter):"), 60);
    zeile(LabelKurzzeichen, EditKurzzeichen, QStringLiteral("Kurzzeichen der Grundeinheit:"), 104);
    zeile(LabelWeitereNamen, EditWeitereNamen, QStringLiteral("Weiterer Namen:"), 148);
    zeile(LabelEinsatzgebiet, EditEinsatzgebiet, QStringLiteral("Einsatzgebiet:"), 192);
    LabelLand = beschriftung(this, QStringLiteral("Land der Grundeinheit:"), links, 236);
    ComboBoxLand = new QComboBox(this);
    ComboBoxLand->setGeometry(links, 252, breite, 22);
    ComboBoxLand->setEditable(false);
    ComboBoxLand->setMaxVisibleItems(20);
    LabelLand->setBuddy(ComboBoxLand);
    LabelGrundeinheitErklaerung = erklaerung(
        this,
        QStringLiteral(
            "Die Grundeinheit ist die Einheit, auf das sich die anderen Einheiten des Gebietes beziehen. "
            "Die Grundeinheit hat immer den Umrechnungsfaktor 1 (z.B. Das Gebiet Länge hat die "
            "Grundeinheit Meter)."),
        QRect(rechts, 76, 520 - rechts - links, 90));

    LabelInfo = beschriftung(this, QStringLiteral("Information zum neuen Gebiet:"), links, 286);
    MemoInfo = new QPlainTextEdit(this);
    MemoInfo->setGeometry(links, 302, 520 - 2 * links, 86);
    MemoInfo->setTabChangesFocus(true);
    LabelInfo->setBuddy(MemoInfo);
    LabelInfoErklaerung = erklaerung(
        this,
        QStringLiteral("Dieser Text wird bei Anwahl des Menüs Gebiet/Information über Gebiet angezeigt."),
        QRect(links, 392, 520 - 2 * links, 16));

    LabelDateiname = beschriftung(this, QStringLiteral("Dateiname:"), links, 429);
    EditDateiname = new QLineEdit(this);
    EditDateiname->setGeometry(links + 60, 426, 80, 21);
    LabelDateiname->setBuddy(EditDateiname);
    LabelDat = beschriftung(this, QStringLiteral(".DAT"), links + 144, 429);

    BtnEinfuegen = new QPushButton(QStringLiteral("Gebiet &einfügen"), this);
    BtnEinfuegen->setGeometry(520 - links - 90 - 8 - 110, 423, 110, 27);
    BtnEinfuegen->setDefault(true);
    BtnAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BtnAbbrechen->setGeometry(520 - links - 90, 423, 90, 27);

    setTabOrder(EditName, EditGrundeinheit);
    setTabOrder(EditGrundeinheit, EditKurzzeichen);
    setTabOrder(EditKurzzeichen, EditWeitereNamen);
    setTabOrder(EditWeitereNamen, EditEinsatzgebiet);
    setTabOrder(EditEinsatzgebiet, ComboBoxLand);
    setTabOrder(ComboBoxLand, MemoInfo);
    setTabOrder(MemoInfo, EditDateiname);
    setTabOrder(EditDateiname, BtnEinfuegen);
    setTabOrder(BtnEinfuegen, BtnAbbrechen);

    EditName->installEventFilter(this);
    connect(BtnEinfuegen, &QPushButton::clicked, this,
            [this] { mitFehlerbericht([this] { BtnEinfuegenClick(); }); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TGebietNeuDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

bool TGebietNeuDlg::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == EditName && ereignis->type() == QEvent::FocusOut) {
        // Only a move to another control of the dialog leaves the field, not a message box or another window.
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
            mitFehlerbericht([this] { EditNameExit(); });
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TGebietNeuDlg::FormShow() {
    EditGrundeinheit->setMaxLength(kap::Name);
    EditKurzzeichen->setMaxLength(kap::Kurzzeichen);
    EditWeitereNamen->setMaxLength(kap::SonstigeNamen);
    EditEinsatzgebiet->setMaxLength(kap::Einsatzgebiet);
    EditDateiname->setMaxLength(8);
    for (QLineEdit* e :
         {EditName, EditGrundeinheit, EditKurzzeichen, EditWeitereNamen, EditEinsatzgebiet, EditDateiname})
        e->clear();
    MemoInfo->clear();
    ComboBoxLand->clear();
    for (int land : laenderAuswahl())
        ComboBoxLand->addItem(qs(landName(land)), land);
    ComboBoxLand->setCurrentIndex(0);
    EditName->setFocus();
}

void TGebietNeuDlg::EditNameExit() {
    EditDateiname->setText(qs(dateinamenVorschlag(cp(EditName->text()))));
}

TNeuesGebiet TGebietNeuDlg::Eingaben() const {
    TNeuesGebiet neu;
    neu.Gebietname = cp(EditName->text());
    neu.Grundeinheit = cp(EditGrundeinheit->text());
    neu.Kurzzeichen = cp(EditKurzzeichen->text());
    neu.SonstigeNamen = cp(EditWeitereNamen->text());
    neu.Einsatzgebiet = cp(EditEinsatzgebiet->text());
    neu.Information = cp(MemoInfo->toPlainText());
    neu.Dateiname = cp(EditDateiname->text());
    neu.LandNr = ComboBoxLand->currentIndex() >= 0 ? ComboBoxLand->currentData().toInt() : 1;
    return neu;
}

QWidget* TGebietNeuDlg::feld(GebietFeld f) const {
    switch (f) {
    case GebietFeld::Name:
        return EditName;
    case GebietFeld::Grundeinheit:
        return EditGrundeinheit;
    case GebietFeld::Dateiname:
        return EditDateiname;
    case GebietFeld::Information:
        return MemoInfo;
    }
    return EditName;
}

void TGebietNeuDlg::BtnEinfuegenClick() {
    const TNeuesGebiet neu = Eingaben();
    const auto fehler = pruefeNeuesGebiet(neu, fenster_.Sitzung().Gebiete);
    for (const auto& f : fehler) {
        meldeInfo(this, qs(f.Meldung));
        feld(f.Feld)->setFocus();
    }
    if (!fehler.empty()) return;
    // Writes the data file, the index and the descriptions together, or nothing.
    const std::size_t stelle = legeGebietAn(fenster_.Sitzung().Gebiete, fenster_.Sitzung().Gebietsinfo, neu);
    fenster_.GebietWaehlen(static_cast<int>(stelle));
    accept();
}

} // namespace qnt
