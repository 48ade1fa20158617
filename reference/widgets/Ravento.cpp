#include "reference/widgets/Ravento.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextEdit>

#include "app/Anwendung.h"
#include "app/Shell.h"
#include "reference/RtfLeser.h"
#include "reference/widgets/RtfDokument.h"
#include "reference/widgets/TabListe.h"
#include "reference/widgets/Verweis.h"

namespace qnt {

namespace {

constexpr int kBreite = 635;
constexpr int kHoehe = 449;
constexpr int kBild = 110;

// The companion program's emblem: a sheet of a calendar with the program's initial.
QPixmap emblem() {
    QPixmap bild(kBild, kBild);
    bild.fill(Qt::transparent);
    QPainter m(&bild);
    m.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, 0, kBild);
    verlauf.setColorAt(0, QColor(70, 130, 210));
    verlauf.setColorAt(1, QColor(20, 50, 120));
    m.setBrush(verlauf);
    m.setPen(Qt::NoPen);
    m.drawRoundedRect(QRectF(6, 10, kBild - 12, kBild - 16), 14, 14);
    m.setBrush(Qt::white);
    m.drawRoundedRect(QRectF(16, 34, kBild - 32, kBild - 50), 6, 6);
    m.setBrush(QColor(230, 230, 235));
    for (int i = 0; i < 4; ++i)
        m.drawEllipse(QPointF(26 + i * 19.5, 20), 5, 5);
    QFont f(QStringLiteral("Serif"));
    f.setStyleHint(QFont::Serif);
    f.setBold(true);
    f.setPixelSize(52);
    m.setFont(f);
    m.setPen(QColor(20, 50, 120));
    m.drawText(QRectF(16, 34, kBild - 32, kBild - 50), Qt::AlignCenter, QStringLiteral("R"));
    return bild;
}

// A desktop monitor: the platform the program runs on.
QPixmap bildschirm() {
    QPixmap bild(kBild, kBild);
    bild.fill(Qt::transparent);
    QPainter m(&bild);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(QColor(60, 60, 60), 2));
    m.setBrush(QColor(200, 200, 190));
    m.drawRoundedRect(QRectF(8, 12, kBild - 16, 70), 6, 6);
    QLinearGradient verlauf(0, 20, 0, 74);
    verlauf.setColorAt(0, QColor(0, 128, 128));
    verlauf.setColorAt(1, QColor(0, 80, 100));
    m.setBrush(verlauf);
    m.drawRect(QRectF(16, 20, kBild - 32, 54));
    m.setBrush(QColor(200, 200, 190));
    m.drawRect(QRectF(kBild / 2.0 - 10, 82, 20, 10));
    m.drawRoundedRect(QRectF(22, 92, kBild - 44, 8), 3, 3);
    // A small window on the screen.
    m.setPen(Qt::NoPen);
    m.setBrush(Qt::white);
    m.drawRect(QRectF(28, 30, 40, 30));
    m.setBrush(QColor(0, 0, 128));
    m.drawRect(QRectF(28, 30, 40, 6));
    return bild;
}

QLabel* zeile(QWidget* eltern, const QString& text, int y) {
    auto* l = new QLabel(text, eltern);
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setBold(true);
    f.setPixelSize(35);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(kBild + 10, y, kBreite - 2 * (kBild + 10), 42);
    return l;
}

} // namespace

TRaventoDlg::TRaventoDlg(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Ravento"));
    setModal(true);
    setFont(referenzSchrift());
    setFixedSize(kBreite, kHoehe);

    Label1 = new QLabel(
        QStringLiteral("Sehen Sie sich auch unser Programm für Ihre Termine und Adressen an:"), this);
    QFont einleitung = Label1->font();
    einleitung.setPixelSize(13);
    Label1->setFont(einleitung);
    QPalette blau = Label1->palette();
    blau.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(blau);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setGeometry(kBild + 10, 6, kBreite - 2 * (kBild + 10), 36);

    Image1 = new QLabel(this);
    Image1->setGeometry(5, 5, kBild, kBild);
    Image1->setPixmap(emblem());
    Image2 = new QLabel(this);
    Image2->setGeometry(kBreite - 5 - kBild, 5, kBild, kBild);
    Image2->setPixmap(bildschirm());

    Label2 = zeile(this, QStringLiteral("Ravento 4.1"), 40);
    Label3 = zeile(this, QStringLiteral("für Windows 95/98/NT"), 80);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setGeometry(10, 128, kBreite - 20, 250);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFrameShape(QFrame::StyledPanel);
    // Nothing typed here would be kept; the sheet only shows the file.
    RichEdit1->setReadOnly(true);

    Label4 = new QLabel(QStringLiteral("Laden Sie die Shareware-Version hier:"), this);
    QFont fett = Label4->font();
    fett.setBold(true);
    Label4->setFont(fett);
    Label4->adjustSize();
    Label4->move(10, 393);
    Label5 = new TVerweis(QStringLiteral("www.quantora.example/ravento"), 16, this);
    Label5->move(Label4->x() + Label4->width() + 10, 390);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(kBreite - 10 - 75, kHoehe - 10 - 25, 75, 25);
    OKBtn->setDefault(true);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(Label5, &TVerweis::geklickt, this, [this] { mitFehlerbericht([this] { Label5Click(); }); });
}

void TRaventoDlg::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) {
        if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
            move(s->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(e);
    if (!e->spontaneous()) mitFehlerbericht([this] { FormShow(); });
}

void TRaventoDlg::FormShow() {
    // Read first: a file that cannot be opened leaves the field as it was.
    const RtfDokument d = ladeRtfDatei(kRaventoDatei);
    fuelleTextdokument(*RichEdit1->document(), d);
    RichEdit1->moveCursor(QTextCursor::Start);
}

void TRaventoDlg::Label5Click() {
    // Whether a browser took the address is not looked at; the sheet stays open.
    oeffneAdresse(Label5->text());
}

} // namespace qnt
