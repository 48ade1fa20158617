#include "reference/widgets/Vorsatz.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "app/Anwendung.h"
#include "app/Text.h"
#include "reference/Festtabellen.h"
#include "reference/widgets/TabListe.h"

namespace qnt {

namespace {
// The columns align only in a font of fixed pitch; where Courier New is missing, the system's fixed font.
QFont festbreitenSchrift() {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPixelSize(13);
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPixelSize(13);
    }
    return f;
}
} // namespace

TVorsatzzeichen::TVorsatzzeichen(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Vorsatzzeichen"));
    setModal(true);
    setFont(referenzSchrift());
    ListBox1 = new QListWidget(this);
    ListBox1->setFont(festbreitenSchrift());
    ListBox1->setUniformItemSizes(true);
    // Sized to the table: every line visible without scrolling, the widest one without clipping.
    const QFontMetrics masse(ListBox1->font());
    int breitest = 0;
    for (const auto& z : kVorsatzzeilen)
        breitest = std::max(breitest, masse.horizontalAdvance(qs(z)));
    const int rahmen = 2 * ListBox1->frameWidth();
    const int listenBreite = std::max(230, breitest + 8 + rahmen + 16);
    const int listenHoehe = static_cast<int>(kVorsatzzeilen.size()) * 16 + rahmen + 4;
    ListBox1->setGeometry(10, 10, listenBreite, listenHoehe);
    const int breite = listenBreite + 20;
    setFixedSize(breite, 10 + listenHoehe + 12 + 25 + 10);
    OKBtn = new QPushButton(QStringLiteral("Schließen"), this);
    OKBtn->setGeometry((breite - 75) / 2, 10 + listenHoehe + 12, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TVorsatzzeichen::OKBtnClick);
}

void TVorsatzzeichen::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) mitFehlerbericht([this] { FormShow(); });
}

void TVorsatzzeichen::FormShow() {
    ListBox1->clear();
    const QFontMetrics masse(ListBox1->font());
    for (const auto& z : kVorsatzzeilen) {
        auto* eintrag = new QListWidgetItem(qs(z), ListBox1);
        eintrag->setSizeHint(QSize(masse.horizontalAdvance(eintrag->text()) + 8, 16));
    }
    OKBtn->setFocus();
}

void TVorsatzzeichen::OKBtnClick() {
    accept();
}

} // namespace qnt
