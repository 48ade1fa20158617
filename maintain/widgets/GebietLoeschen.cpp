#include "maintain/widgets/GebietLoeschen.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/Anwendung.h"
#include "app/Meldung.h"
#include "app/Text.h"
#include "list/Sitzung.h"
#include "list/widgets/Dialograhmen.h"
#include "list/widgets/Fensterzugang.h"
#include "maintain/Gebietsverwaltung.h"
#include "maintain/widgets/GebietNeuDialog.h"

namespace qnt {

TGebietLoeschenDlg::TGebietLoeschenDlg(TFensterzugang& fenster, QWidget* eltern)
    : QDialog(eltern), fenster_(fenster) {
    dialogRahmen(this, QStringLiteral("Vorhandenes Gebiet löschen"));
    setFixedSize(300, 320);

    Label1 = new QLabel(QStringLiteral("Vorhandene Gebiete:"), this);
    Label1->move(12, 10);
    Label1->adjustSize();
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(12, 28, 276, 240);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    Label1->setBuddy(ListBox1);
    OKBtn = new QPushButton(QStringLiteral("Gebiet löschen"), this);
    OKBtn->setGeometry(12, 280, 130, 28);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setGeometry(158, 280, 130, 28);

    // The dialog closes with OK whatever became of the deletion, a failure included.
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        mitFehlerbericht([this] { OKBtnClick(); });
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TGebietLoeschenDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void TGebietLoeschenDlg::FormShow() {
    ListBox1->clear();
    for (const auto& g : fenster_.Sitzung().Gebiete)
        ListBox1->addItem(qs(g.Gebietname));
    const int aktuell = fenster_.Sitzung().gebietsindex();
    if (aktuell >= 0 && aktuell < ListBox1->count()) ListBox1->setCurrentRow(aktuell);
    ListBox1->setFocus();
}

void TGebietLoeschenDlg::OKBtnClick() {
    const int stelle = ListBox1->currentRow();
    if (stelle < 0 || stelle >= static_cast<int>(fenster_.Sitzung().Gebiete.size())) return;
    // The window needs a category to load, so the last one stays.
    if (const auto nein = gebietLoeschVerweigerung(fenster_.Sitzung().Gebiete)) {
        meldeInfo(this, qs(*nein));
        return;
    }
    const std::string name = fenster_.Sitzung().Gebiete[static_cast<std::size_t>(stelle)].Gebietname;
    if (frageJaNein(this, qs(gebietLoeschFrage(name))) != KnopfJa) return;
    loescheGebiet(fenster_.Sitzung().Gebiete, fenster_.Sitzung().Gebietsinfo,
                  static_cast<std::size_t>(stelle));
    fenster_.GebietWaehlen(0);
}

} // namespace qnt
