#include "list/widgets/Landdlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "app/Anwendung.h"
#include "app/Text.h"
#include "list/Sitzung.h"
#include "list/widgets/Dialograhmen.h"
#include "list/widgets/Fensterzugang.h"

namespace qnt {

int TLaender_Dlg::landNrVon(int k) {
    if (k <= 3) return k;
    if (k <= 23) return k + 17; // 21..40
    if (k <= 32) return k + 26; // 50..58
    return k + 27;              // 60..91
}

namespace {
QString beschriftung(int k) {
    switch (k) {
    case 20:
        return QStringLiteral("D-Baden");
    case 21:
        return QStringLiteral("D-Bayern");
    case 22:
        return QStringLiteral("D-Preußen");
    case 23:
        return QStringLiteral("D-Sachsen");
    case 27:
        return QStringLiteral("Griechenl.antik");
    default:
        return qs(Laendernamen[static_cast<std::size_t>(TLaender_Dlg::landNrVon(k))]);
    }
}
} // namespace

TLaender_Dlg::TLaender_Dlg(TFensterzugang& fenster, QWidget* eltern) : QDialog(eltern), fenster_(fenster) {
    dialogRahmen(this, QStringLiteral("Einheiten ein-/ausblenden"));
    // The country names are larger and bold, unlike the other dialogs' text.
    QFont schrift = font();
    schrift.setPixelSize(11);
    schrift.setBold(true);
    setFont(schrift);

    GroupBox1 = new QGroupBox(this);
    for (int k = 1; k <= kAnzahl; ++k) {
        CheckBox[static_cast<std::size_t>(k)] = new QCheckBox(beschriftung(k), GroupBox1);
        CheckBox[static_cast<std::size_t>(k)]->adjustSize();
    }
    // Boxes 1-3 in a row, 4-63 in six columns of ten (15 pixels apart), 64 alone below the last column.
    constexpr int kOben = 44, kAbstand = 15;
    for (int k = 1; k <= 3; ++k)
        CheckBox[static_cast<std::size_t>(k)]->move(12 + (k - 1) * 184, 16);
    int x = 12;
    for (int spalte = 0; spalte < 6; ++spalte) {
        int breite = 0;
        for (int zeile = 0; zeile < 10; ++zeile) {
            auto* box = CheckBox[static_cast<std::size_t>(4 + spalte * 10 + zeile)];
            box->setFixedHeight(kAbstand);
            box->move(x, kOben + zeile * kAbstand);
            breite = std::max(breite, box->width());
        }
        x += breite + 2;
    }
    CheckBox[kAnzahl]->setFixedHeight(kAbstand);
    CheckBox[kAnzahl]->move(CheckBox[63]->x(), kOben + 10 * kAbstand);
    // 580 pixels wide unless the platform's font needs more.
    const int breite = std::max(580, x + 8 + 8);
    GroupBox1->setGeometry(8, 4, breite - 16, 256);
    setFixedSize(breite, 308);

    BitBtn1 = new QPushButton(QStringLiteral("Alle Markierungen &ein"), this);
    BitBtn1->setGeometry(8, 270, 150, 27);
    BitBtn2 = new QPushButton(QStringLiteral("Alle Markierungen &aus"), this);
    BitBtn2->setGeometry(166, 270, 150, 27);
    OKBtn = new QPushButton(QStringLiteral("&OK"), this);
    OKBtn->setGeometry(width() - 174, 270, 80, 27);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("&Abbrechen"), this);
    CancelBtn->setGeometry(width() - 88, 270, 80, 27);

    connect(BitBtn1, &QPushButton::clicked, this, &TLaender_Dlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TLaender_Dlg::BitBtn2Click);
    connect(OKBtn, &QPushButton::clicked, this, [this] { mitFehlerbericht([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TLaender_Dlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void TLaender_Dlg::FormShow() {
    for (int k = 1; k <= kAnzahl; ++k)
        CheckBox[static_cast<std::size_t>(k)]->setChecked(
            fenster_.Sitzung().LandAngezeigt[static_cast<std::size_t>(landNrVon(k))]);
    OKBtn->setFocus();
}

void TLaender_Dlg::BitBtn1Click() {
    for (int k = 1; k <= kAnzahl; ++k)
        CheckBox[static_cast<std::size_t>(k)]->setChecked(true);
}

void TLaender_Dlg::BitBtn2Click() {
    for (int k = 1; k <= kAnzahl; ++k)
        CheckBox[static_cast<std::size_t>(k)]->setChecked(false);
}

void TLaender_Dlg::OKBtnClick() {
    for (int k = 1; k <= kAnzahl; ++k)
        fenster_.Sitzung().LandAngezeigt[static_cast<std::size_t>(landNrVon(k))] =
            CheckBox[static_cast<std::size_t>(k)]->isChecked();
    fenster_.ListeNeuFuellen();
    accept();
}

} // namespace qnt
