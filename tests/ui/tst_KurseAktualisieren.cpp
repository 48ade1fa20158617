// Fetching the reference rates against a server inside this process, and the command-line update of a
// data folder. Nothing here leaves the machine.
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

namespace {

const QByteArray kXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\">\n"
                        "<Cube><Cube time='2026-12-04'>\n"
                        "<Cube currency='USD' rate='1.25'/><Cube currency='CHF' rate='0.8'/>"
                        "<Cube currency='DEM' rate='3'/>\n</Cube></Cube>\n</gesmes:Envelope>\n";

QByteArray http(const QByteArray& status, const QByteArray& rumpf, qsizetype laenge = -1) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/xml\r\nContent-Length: " +
           QByteArray::number(laenge < 0 ? rumpf.size() : laenge) + "\r\nConnection: close\r\n\r\n" + rumpf;
}

// Answers every request on 127.0.0.1 with `antwort` and closes; an empty answer never comes.
class Testserver {
public:
    explicit Testserver(QByteArray antwort) : antwort_(std::move(antwort)) {
        QVERIFY(server_.listen(QHostAddress::LocalHost));
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection())
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    anfrage_ += s->readAll();
                    if (!anfrage_.contains("\r\n\r\n") || antwort_.isEmpty()) return;
                    s->write(antwort_);
                    s->disconnectFromHost();
                });
        });
    }
    QUrl adresse() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/eurofxref-daily.xml").arg(server_.serverPort()));
    }
    const QByteArray& anfrage() const { return anfrage_; }

private:
    QTcpServer server_;
    QByteArray antwort_;
    QByteArray anfrage_;
};

// Dollar and the hidden Franken take the rates, the Mark keeps its fixed rate, the Yen is not in the file.
const QByteArray kVorher = test::satzDatei({{"Dollar", 90, 0.5, 1, "USD", "", "2022-09-05"},
                                            {"Franken", 83, 0.5, 0, "CHF", "", "2022-09-05"},
                                            {"Mark", 36, 0.5, 1, "DEM", "", "2022-09-05"},
                                            {"Yen", 63, 0.5, 1, "JPY", "", "2022-09-05"}});
const QByteArray kNachher = test::satzDatei({{"Dollar", 90, 0.8, 1, "USD", "", "2026-12-04"},
                                             {"Franken", 83, 1.25, 0, "CHF", "", "2026-12-04"},
                                             {"Mark", 36, 0.5, 1, "DEM", "", "2022-09-05"},
                                             {"Yen", 63, 0.5, 1, "JPY", "", "2022-09-05"}});

struct Aufruf {
    int status;
    QString aus, fehler;
};

// Through the program's own command line: quantora --kurse-aktualisieren …
Aufruf rufeAuf(const QStringList& argumente) {
    std::vector<QByteArray> texte{"quantora", "--kurse-aktualisieren"};
    for (const QString& a : argumente)
        texte.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& t : texte)
        argv.push_back(t.data());
    argv.push_back(nullptr);
    std::ostringstream aus, fehler;
    const Befehlszeile b = werteAus(static_cast<int>(texte.size()), argv.data(), aus, fehler);
    return {b.ende.value_or(-1), QString::fromStdString(aus.str()), QString::fromStdString(fehler.str())};
}

Aufruf ausDemNetz(const QUrl& adresse) {
    std::ostringstream aus, fehler;
    const int status = kurseAktualisieren(std::nullopt, aus, fehler, adresse, 2s);
    return {status, QString::fromStdString(aus.str()), QString::fromStdString(fehler.str())};
}

} // namespace

class tst_KurseAktualisieren : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setzeFehlerHaken({}); }

    void abruf_data() {
        QTest::addColumn<QByteArray>("antwort");
        QTest::addColumn<int>("abbruchNachMs");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("meldung");
        const auto geladen = int(TAbrufergebnis::Art::Geladen), fehler = int(TAbrufergebnis::Art::Fehler);
        QTest::newRow("gute Datei") << http("200 OK", kXml) << -1 << geladen << QString();
        QTest::newRow("404")
            << http("404 Not Found", "<html>weg</html>") << -1 << fehler
            << "Der Server 127.0.0.1 antwortete mit dem HTTP-Status 404 Not Found statt der Kurse.";
        QTest::newRow("abgeschnitten")
            << http("200 OK", kXml.left(100), kXml.size()) << -1 << fehler
            << "Der Server 127.0.0.1 hat die Verbindung vorzeitig beendet; die Kurse "
               "kamen nicht vollständig an.";
        QTest::newRow("keine Antwort")
            << QByteArray() << -1 << fehler
            << "Der Server 127.0.0.1 hat nicht innerhalb von 0,3 Sekunden geantwortet.";
        QTest::newRow("abgebrochen") << QByteArray() << 50 << int(TAbrufergebnis::Art::Abgebrochen)
                                     << QString();
    }
    void abruf() {
        QFETCH(QByteArray, antwort);
        QFETCH(int, abbruchNachMs);
        QFETCH(int, art);
        QFETCH(QString, meldung);
        Testserver server(antwort);
        TKursabruf abruf;
        abruf.starte(server.adresse(), 300ms);
        if (abbruchNachMs >= 0) QTimer::singleShot(abbruchNachMs, &abruf, &TKursabruf::abbrechen);
        const TAbrufergebnis e = abruf.warte();
        QCOMPARE(e.Meldung, meldung);
        QCOMPARE(int(e.Ergebnis), art);
        QCOMPARE(e.Daten, art == int(TAbrufergebnis::Art::Geladen) ? kXml : QByteArray());
        QVERIFY(server.anfrage().startsWith("GET /eurofxref-daily.xml HTTP/1.1\r\n"));
    }

    void befehlszeile_data() {
        QTest::addColumn<QStringList>("argumente"); // none: from the test server
        QTest::addColumn<bool>("umbenennenScheitert");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("ausgabe");
        QTest::addColumn<QByteArray>("danach");
        const QString erledigt = QStringLiteral("2 Kurse vom 2026-12-04 übernommen, 2 unverändert\n");
        QTest::newRow("aus Datei") << QStringList{"kurse.xml"} << false << 0 << erledigt << kNachher;
        QTest::newRow("aus dem Netz") << QStringList{} << false << 0 << erledigt << kNachher;
        QTest::newRow("Umbenennen scheitert") << QStringList{"kurse.xml"} << true << 1
                                              << "Die Datei W.DAT konnte nicht geöffnet werden oder die "
                                                 "revidierte Datei konnte nicht geschrieben "
                                                 "werden!\n"
                                              << kVorher;
        QTest::newRow("fehlende Datei")
            << QStringList{"fehlt.xml"} << false << 1 << "Die Datei fehlt.xml kann nicht gelesen werden.\n"
            << kVorher;
    }
    void befehlszeile() {
        QFETCH(QStringList, argumente);
        QFETCH(bool, umbenennenScheitert);
        QFETCH(int, status);
        QFETCH(QString, ausgabe);
        QFETCH(QByteArray, danach);
        Testserver server(http("200 OK", kXml));
        test::Datenordner o(false);
        o.schreibe("Gruppen.nfo", test::cp1252("Währungen\tW.DAT\tEuro\r\n"));
        o.schreibe("W.DAT", kVorher);
        o.schreibe("kurse.xml", kXml);
        if (umbenennenScheitert)
            setzeFehlerHaken([](DateiOp op, std::string_view) { return op == DateiOp::Umbenennen; });
        const Aufruf a = argumente.isEmpty() ? ausDemNetz(server.adresse()) : rufeAuf(argumente);
        QCOMPARE(status == 0 ? a.aus : a.fehler, ausgabe);
        QCOMPARE(a.aus.size() + a.fehler.size(), ausgabe.size()); // one line only
        QCOMPARE(a.status, status);
        QCOMPARE(o.lies("W.DAT"), danach);
        QCOMPARE(QDir(o.pfad()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase),
                 (QStringList{"Gruppen.nfo", "kurse.xml", "W.DAT"}));
    }
};

QTEST_GUILESS_MAIN(tst_KurseAktualisieren)
#include "tst_KurseAktualisieren.moc"
