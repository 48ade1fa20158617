#include "app/Hilfe.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>

#include "app/Meldung.h"
#include "app/Shell.h"

namespace qnt {
namespace {
QPointer<QTextBrowser>& fenster() {
    static QPointer<QTextBrowser> f;
    return f;
}
} // namespace

QTextBrowser* hilfefenster() { return fenster().data(); }

void hilfeInhalt(QWidget* eltern) {
    QFile datei(QString::fromLatin1(kHilfedatei));
    if (!datei.open(QIODevice::ReadOnly)) {
        meldeFehler(eltern, QStringLiteral("Die Hilfedatei \"QNT5.HLP\" kann nicht geöffnet werden."));
        return;
    }
    const QString html = QString::fromUtf8(datei.readAll());
    auto& f = fenster();
    if (!f) {
        // A top-level window of its own, like the platform's help viewer; it lives until quit.
        f = new QTextBrowser();
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->setWindowTitle(QStringLiteral("Quantora Pro – Hilfe"));
        f->setOpenLinks(false);
        f->resize(720, 640);
        QObject::connect(f, &QTextBrowser::anchorClicked, f, [](const QUrl& ziel) {
            if (ziel.scheme().isEmpty() || ziel.scheme() == QLatin1String("file")) {
                if (!ziel.fragment().isEmpty()) fenster()->scrollToAnchor(ziel.fragment());
            } else {
                oeffneAdresse(ziel.toString());
            }
        });
    }
    f->setHtml(html);
    f->scrollToAnchor(QStringLiteral("inhalt"));
    f->show();
    f->raise();
    f->activateWindow();
}

void hilfeBeenden() {
    if (auto& f = fenster()) f->close();
}

} // namespace qnt
