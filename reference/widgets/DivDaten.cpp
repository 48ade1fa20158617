#include "reference/widgets/DivDaten.h"

#include <QComboBox>
#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <cmath>

#include "app/Anwendung.h"
#include "app/Text.h"
#include "data/Fehler.h"
#include "reference/Referenzdatei.h"
#include "reference/Tabellendaten.h"
#include "reference/widgets/TabListe.h"

namespace qnt {

namespace {
constexpr int kHoehe = 330;
constexpr int kRand = 10;
constexpr int kRahmenOben = 42;
constexpr int kRahmenHoehe = 238;
constexpr int kListeLinks = 8;
constexpr int kListeOben = 28;
constexpr int kKnopfBreite = 75;
} // namespace

TDivDatenDlg::TDivDatenDlg(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Diverse Daten"));
    setModal(true);
    setFont(referenzSchrift());

    ComboBox1 = new QComboBox(this);
    ComboBox1->setGeometry(kRand, kRand, kDivRahmenBreite, 22);
    ComboBox1->setMaxVisibleItems(15);
    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    for (std::size_t i = 0; i < Label.size(); ++i) {
        Label[i] = new QLabel(Bevel1);
        Label[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        Label[i]->move(kListeLinks, 8);
    }
    ListBox1 = new TTabListe(Bevel1);
    Button1 = new QPushButton(QStringLiteral("Schließen"), this);
    Button1->setDefault(true);
    setzeBreite(0);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            [this] { mitFehlerbericht([this] { ComboBox1Change(); }); });
}

void TDivDatenDlg::setzeBreite(int mehr) {
    setFixedSize(kDivBasisBreite + mehr, kHoehe);
    Bevel1->setGeometry(kRand, kRahmenOben, kDivRahmenBreite + mehr, kRahmenHoehe);
    ListBox1->setGeometry(kListeLinks, kListeOben, kDivListenBreite + mehr, kRahmenHoehe - kListeOben - 8);
    Button1->setGeometry(kRand + (kDivRahmenBreite + mehr - kKnopfBreite) / 2,
                         kRahmenOben + kRahmenHoehe + 12, kKnopfBreite, 25);
}

void TDivDatenDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) mitFehlerbericht([this] { FormShow(); });
}

void TDivDatenDlg::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (!e->spontaneous()) FormClose();
}

void TDivDatenDlg::FormShow() {
    // The pixel geometry is made for 96 pixels per inch; on other screens the text shrinks to fit, once.
    if (!schriftAngepasst_) {
        schriftAngepasst_ = true;
        const int dpi = logicalDpiY();
        QFont f = font();
        if (dpi > 0 && dpi != 96 && f.pointSizeF() > 0) {
            f.setPointSize(std::max(1, static_cast<int>(std::lround(f.pointSizeF() * 96.0 / dpi))));
            setFont(f);
        }
    }
    {
        const QSignalBlocker stumm(ComboBox1);
        ComboBox1->clear();
        for (const auto& t : kTabellenThemenSortiert)
            ComboBox1->addItem(qs(t));
        ComboBox1->setCurrentIndex(0);
    }
    ComboBox1->setFocus();
    // A file that cannot be read leaves a clean viewer behind, not the last opening's table.
    ListBox1->clear();
    setzeBreite(0);
    for (QLabel* l : Label)
        l->clear();
    zeilen_.clear();
    zeilen_ = ladeReferenzzeilen(kTabellenDatei);
    ComboBox1Change();
}

void TDivDatenDlg::FormClose() {
    std::vector<std::string>().swap(zeilen_);
}

void TDivDatenDlg::ComboBox1Change() {
    ListBox1->clear();
    setzeBreite(0);
    for (QLabel* l : Label)
        l->setVisible(true);

    const TabellenThema* t = findeTabellenThema(cp(ComboBox1->currentText()));
    if (!t) return;
    int x = ListBox1->x();
    for (std::size_t i = 0; i < Label.size(); ++i) {
        Label[i]->move(x, Label[i]->y());
        Label[i]->setText(qs(t->Spalten[i]));
        Label[i]->adjustSize();
        Label[i]->setVisible(!t->Spalten[i].empty());
        x += t->Abstand;
    }
    ListBox1->setzeTabweite(t->Tabweite);
    setzeBreite(t->Mehrbreite);

    const TabellenAuszug a = tabellenZeilen(zeilen_, *t);
    QStringList zeilen;
    for (const auto& z : a.Zeilen)
        zeilen << qs(z);
    ListBox1->addItems(zeilen);
    if (a.FehlendeZeile) throw listenIndexFehler(*a.FehlendeZeile);
}

} // namespace qnt
