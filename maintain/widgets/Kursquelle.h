#pragma once
// Where the euro reference rates come from: a saved file, or the daily file of the European Central
// Bank fetched over HTTPS only when the user asks.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "maintain/Referenzkurse.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace qnt {

inline constexpr const char* kEzbKursadresse =
    "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
inline constexpr std::chrono::milliseconds kAbruffrist = std::chrono::seconds(20);

// A saved XML or CSV file at any path the user picked.
TKurslesung liesKursdatei(const QString& pfad);

struct TAbrufergebnis {
    enum class Art { Geladen, Fehler, Abgebrochen };
    Art Ergebnis = Art::Fehler;
    QByteArray Daten;
    QString Meldung; // Fehler: the cause, for the message box
};

// One download. TLS errors end it like every other error; nothing is ever ignored.
class TKursabruf : public QObject {
    Q_OBJECT
public:
    explicit TKursabruf(QObject* eltern = nullptr);
    ~TKursabruf() override;

    void starte(const QUrl& adresse = QUrl(QString::fromLatin1(kEzbKursadresse)),
                std::chrono::milliseconds frist = kAbruffrist);
    void abbrechen();
    // Runs the event loop until the download has ended.
    TAbrufergebnis warte();

signals:
    void beendet();

private:
    enum class Grund { Keiner, Abgebrochen, Frist, ZuGross };
    void antwortDa();
    QNetworkAccessManager* netz_;
    QNetworkReply* antwort_ = nullptr; // set while a download runs
    QTimer frist_;
    Grund grund_ = Grund::Keiner;
    QString tlsFehler_;
    TAbrufergebnis ergebnis_;
};

// The takeover of a download: the rates, or the message of what failed (empty when cancelled).
TKurslesung kurseAusAbruf(const TAbrufergebnis& abruf);

} // namespace qnt
