#include "maintain/widgets/EigenerSatzDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Anwendung.h"
#include "app/Meldung.h"
#include "app/Text.h"
#include "convert/Zahlen.h"
#include "list/Sitzung.h"
#include "list/widgets/Dialograhmen.h"
#include "list/widgets/Fensterzugang.h"
#include "maintain/EigeneEinheiten.h"
#include "maintain/widgets/Laenderliste.h"

namespace qnt {

TEigeneEinheitDlg::TEigeneEinheitDlg(TFensterzugang& fenster, QWidget* eltern, const QString& titel,
                                     const QString& namenLabel)
    : QDialog(eltern), fenster_(fenster) {
    dialogRahmen(this, titel);

    raster_ = formularRaster(this);
    raster_->setColumnMinimumWidth(1, 220);

    Edit_Name = neuesFeld(namenLabel, kap::Name);
    Label_Name = qobject_cast<QLabel*>(raster_->itemAtPosition(0, 0)->widget());
    Edit_Kurzzeichen = neuesFeld(QStringLiteral("Kurzzeichen:"), kap::Kurzzeichen);
    ComboBox_Land = new QComboBox(this);
    ComboBox_Land->setEditable(true);
    ComboBox_Land->setInsertPolicy(QComboBox::NoInsert);
    ComboBox_Land->setMaxVisibleItems(20);
    auto* land = new QLabel(QStringLiteral("Land:"), this);
    land->setBuddy(ComboBox_Land);
    raster_->addWidget(land, zeile_, 0);
    raster_->addWidget(ComboBox_Land, zeile_++, 1);
    felder_.push_back(ComboBox_Land);

    okAbbrechenZeile(this, OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, sicher(this, &TEigeneEinheitDlg::OKBtnClick));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* TEigeneEinheitDlg::neuesFeld(const QString& label, int laenge) {
    auto* feld = new QLineEdit(this);
    if (laenge > 0) feld->setMaxLength(laenge);
    auto* l = new QLabel(label, this);
    l->setBuddy(feld);
    raster_->addWidget(l, zeile_, 0);
    raster_->addWidget(feld, zeile_++, 1);
    felder_.push_back(feld);
    return feld;
}

void TEigeneEinheitDlg::faktorfeld(const QString& label, bool daneben, int laenge) {
    Edit_Faktor = new QLineEdit(this);
    if (laenge > 0) Edit_Faktor->setMaxLength(laenge);
    Label_Faktor = new QLabel(label, this);
    Label_Faktor->setBuddy(Edit_Faktor);
    Label_Bezug = new QLabel(this);
    felder_.push_back(Edit_Faktor);
    if (daneben) {
        raster_->addWidget(Label_Faktor, zeile_, 0);
        Edit_Faktor->setFixedWidth(60);
        raster_->addWidget(Edit_Faktor, zeile_++, 1, Qt::AlignLeft);
        Label_Bezug->hide();
        return;
    }
    raster_->setRowMinimumHeight(zeile_++, 4);
    raster_->addWidget(Label_Faktor, zeile_++, 0, 1, 2);
    raster_->addWidget(Edit_Faktor, zeile_, 0);
    raster_->addWidget(Label_Bezug, zeile_++, 1);
}

void TEigeneEinheitDlg::abschliessen() {
    // The buttons exist before the subclass adds its rows; Tab still reaches them last.
    felder_.push_back(OKBtn);
    felder_.push_back(CancelBtn);
    tabfolge(felder_);
    layout()->activate();
}

void TEigeneEinheitDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    mitFehlerbericht([this] { FormShow(); });
}

void TEigeneEinheitDlg::FormShow() {
    fuelleLaenderliste(ComboBox_Land);
    if (mitBezug()) {
        Label_Bezug->setText(qs(fenster_.Sitzung().bezug()));
    }
    // The texts stay as typed at the previous opening.
    Edit_Name->setFocus();
}

void TEigeneEinheitDlg::OKBtnClick() {
    const auto faktor = dezimalzahlLesen(cp(Edit_Faktor->text()));
    if (!faktor) {
        meldeInfo(this, qs(kFaktorfeldFalsch));
        Edit_Faktor->setFocus();
        return;
    }
    const TEinheitSatz neu = satz(*faktor);
    const auto ergebnis = fuegeEinheitEin(fenster_.Sitzung().datei(), neu);
    if (!ergebnis) meldeFehler(this, qs(ergebnis.Meldung));
    // Accepted also after a failed revision: the reload then shows the file as it is.
    accept();
}

} // namespace qnt
