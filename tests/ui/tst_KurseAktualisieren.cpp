// Fetching the rates from a server inside this process, and the command-line update of a data folder.
#include <QtTest>

#include <QTcpServer>
#include <QTcpSocket>
#include <sstream>

#include "Testhilfe.h"
#include "app/Befehlszeile.h"
#include "app/KurseAktualisieren.h"
#include "data/Dateischicht.h"
#include "maintain/widgets/Kursquelle.h"

using namespace qnt;
using namespace std::chrono_literals;

const QByteArray kXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\">\n"
                        "<Cube><Cube time='2026-12-04'>\n"
                        "<Cube currency='USD' rate='1.25'/><Cube currency='CHF' rate='0.8'/>"
                        "<Cube currency='DEM' rate='3'/>\n</Cube></Cube>\n</gesmes:Envelope>\n";

static QByteArray http(const QByteArray& status, const QByteArray& rumpf, qsizetype laenge = -1) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/xml\r\nContent-Length: " +
           QByteArray::number(laenge < 0 ? rumpf.size() : laenge) + "\r\nConnection: close\r\n\r\n" + rumpf;
}

// Answers every request on 127.0.0.1 with `antwort` and closes; an empty answer never comes.
struct Testserver {
    QTcpServer server;
    QByteArray antwort, anfrage;
    explicit Testserver(QByteArray a) : antwort(std::move(a)) {
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            while (QTcpSocket* s = server.nextPendingConnection())
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    anfrage += s->readAll();
                    if (anfrage.contains("\r\n\r\n") && !antwort.isEmpty())
                        s->write(antwort), s->disconnectFromHost();
                });
        });
    }
    QUrl adresse() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/eurofxref-daily.xml").arg(server.serverPort()));
    }
};

// Dollar and the hidden Franken take the rates.
static QByteArray kurse(bool neu) {
    const char* stand = neu ? "2026-12-04" : "2022-09-05";
    return test::satzDatei({{"Dollar", 90, neu ? 0.8 : 0.5, 1, "USD", "", stand},
                            {"Franken", 83, neu ? 1.25 : 0.5, 0, "CHF", "", stand}});
}

struct Aufruf {
    int status;
    QString aus, fehler;
};

// A file through the program's own command line (--kurse-aktualisieren DATEI), else `adresse`.
static Aufruf aufruf(const QString& datei, const QUrl& adresse) {
    QByteArray a0 = "quantora", a1 = "--kurse-aktualisieren", a2 = datei.toLocal8Bit();
    char* argv[] = {a0.data(), a1.data(), a2.data(), nullptr};
    std::ostringstream aus, fehler;
    const int status = datei.isEmpty() ? kurseAktualisieren(std::nullopt, aus, fehler, adresse, 2s)
                                       : werteAus(3, argv, aus, fehler).ende.value_or(-1);
    return {status, QString::fromStdString(aus.str()), QString::fromStdString(fehler.str())};
}

class tst_KurseAktualisieren : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setzeFehlerHaken({}); }

    // Each failure is told apart in its report; the request asks for the file by its path.
    void abruf_data() {
        QTest::addColumn<QByteArray>("antwort");
        QTest::addColumn<QString>("meldung"); // a word of it; empty: loaded
        QTest::newRow("gute Datei") << http("200 OK", kXml) << QString();
        QTest::newRow("404") << http("404 Not Found", "<html>weg</html>") << "404 Not Found";
        QTest::newRow("abgeschnitten") << http("200 OK", kXml.left(100), kXml.size()) << "vorzeitig";
        QTest::newRow("keine Antwort") << QByteArray() << "0,3 Sekunden";
    }
    void abruf() {
        QFETCH(QByteArray, antwort);
        QFETCH(QString, meldung);
        Testserver server(antwort);
        TKursabruf abruf;
        abruf.starte(server.adresse(), 300ms);
        const TAbrufergebnis e = abruf.warte();
        const bool geladen = meldung.isEmpty();
        QVERIFY2(geladen ? e.Meldung.isEmpty() : e.Meldung.contains(meldung), qPrintable(e.Meldung));
        QVERIFY(e.Ergebnis == (geladen ? TAbrufergebnis::Art::Geladen : TAbrufergebnis::Art::Fehler));
        QCOMPARE(e.Daten, geladen ? kXml : QByteArray());
        QVERIFY(server.anfrage.startsWith("GET /eurofxref-daily.xml HTTP/1.1\r\n"));
    }

    // One line out, the status, and the file written whole or not at all.
    void befehlszeile_data() {
        QTest::addColumn<QString>("datei"); // none: from the test server
        QTest::addColumn<bool>("umbenennenScheitert");
        QTest::addColumn<int>("status");
        QTest::newRow("aus Datei") << "kurse.xml" << false << 0;
        QTest::newRow("aus dem Netz") << QString() << false << 0;
        QTest::newRow("Umbenennen scheitert") << "kurse.xml" << true << 1;
        QTest::newRow("fehlende Datei") << "fehlt.xml" << false << 1;
    }
    void befehlszeile() {
        QFETCH(QString, datei);
        QFETCH(bool, umbenennenScheitert);
        QFETCH(int, status);
        Testserver server(http("200 OK", kXml));
        test::Datenordner o(false);
        o.schreibe("Gruppen.nfo", test::cp1252("Währungen\tW.DAT\tEuro\r\n"));
        o.schreibe("W.DAT", kurse(false));
        o.schreibe("kurse.xml", kXml);
        if (umbenennenScheitert)
            setzeFehlerHaken([](DateiOp op, std::string_view) { return op == DateiOp::Umbenennen; });
        const Aufruf a = aufruf(datei, server.adresse());
        QCOMPARE(a.status, status);
        QVERIFY((status == 0 ? a.aus : a.fehler).count('\n') == 1 && (a.aus + a.fehler).count('\n') == 1);
        QCOMPARE(o.lies("W.DAT"), kurse(status == 0));
        QCOMPARE(QDir(o.pfad()).entryList(QDir::Files).size(), 3); // nothing left behind
    }
};

QTEST_GUILESS_MAIN(tst_KurseAktualisieren)
#include "tst_KurseAktualisieren.moc"
