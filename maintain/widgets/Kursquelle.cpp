#include "maintain/widgets/Kursquelle.h"

#include <QEventLoop>
#include <QFile>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>

#include "app/Text.h"

namespace qnt {

TKurslesung liesKursdatei(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {std::nullopt, cp(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(pfad))};
    if (static_cast<std::size_t>(datei.size()) > kKursdateiGrenze)
        return {std::nullopt, kursdateiZuGrossText()};
    const QByteArray inhalt = datei.readAll();
    return liesReferenzkurse(std::string_view(inhalt.constData(), static_cast<std::size_t>(inhalt.size())));
}

TKursabruf::TKursabruf(QObject* eltern) : QObject(eltern), netz_(new QNetworkAccessManager(this)) {
    frist_.setSingleShot(true);
    connect(&frist_, &QTimer::timeout, this, [this] {
        grund_ = Grund::Frist;
        if (antwort_) antwort_->abort();
    });
}

TKursabruf::~TKursabruf() {
    if (antwort_) {
        antwort_->disconnect(this);
        antwort_->abort();
    }
}

void TKursabruf::starte(const QUrl& adresse, std::chrono::milliseconds frist) {
    grund_ = Grund::Keiner;
    tlsFehler_.clear();
    ergebnis_ = {};
    QNetworkRequest anfrage(adresse);
    anfrage.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    anfrage.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Quantora"));
    antwort_ = netz_->get(anfrage);
    connect(antwort_, &QNetworkReply::finished, this, &TKursabruf::antwortDa);
    connect(antwort_, &QNetworkReply::downloadProgress, this, [this](qint64 empfangen, qint64) {
        if (static_cast<std::size_t>(empfangen) > kKursdateiGrenze && grund_ == Grund::Keiner) {
            grund_ = Grund::ZuGross;
            antwort_->abort();
        }
    });
    connect(antwort_, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& fehler) {
        if (!fehler.isEmpty()) tlsFehler_ = fehler.first().errorString();
    });
    frist_.start(frist);
}

void TKursabruf::abbrechen() {
    if (!antwort_) return;
    grund_ = Grund::Abgebrochen;
    antwort_->abort();
}

namespace {

QString netzMeldung(QNetworkReply& a, const QString& tlsFehler) {
    const QString server = a.url().host();
    switch (a.error()) {
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("Der Server %1 wurde nicht gefunden. Besteht eine Verbindung zum Internet?")
            .arg(server);
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("Der Server %1 hat die Verbindung abgelehnt.").arg(server);
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("Der Server %1 hat die Verbindung vorzeitig beendet; die Kurse kamen nicht "
                              "vollständig an.")
            .arg(server);
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return QStringLiteral("Keine Verbindung zum Netz.");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("Die sichere Verbindung (TLS) zu %1 ist fehlgeschlagen: %2")
            .arg(server, tlsFehler.isEmpty() ? a.errorString() : tlsFehler);
    default:
        return QStringLiteral("Die Kurse konnten nicht von %1 geladen werden: %2")
            .arg(server, a.errorString());
    }
}

} // namespace

void TKursabruf::antwortDa() {
    frist_.stop();
    QNetworkReply* a = std::exchange(antwort_, nullptr);
    a->deleteLater();
    const QVariant status = a->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    auto fehler = [this](const QString& text) { ergebnis_ = {TAbrufergebnis::Art::Fehler, {}, text}; };
    switch (grund_) {
    case Grund::Abgebrochen:
        ergebnis_ = {TAbrufergebnis::Art::Abgebrochen, {}, {}};
        break;
    case Grund::Frist:
        fehler(QStringLiteral("Der Server %1 hat nicht innerhalb von %2 Sekunden geantwortet.")
                   .arg(a->url().host())
                   .arg(QLocale(QLocale::German).toString(static_cast<double>(frist_.interval()) / 1000.0)));
        break;
    case Grund::ZuGross:
        fehler(qs(kursdateiZuGrossText()));
        break;
    case Grund::Keiner:
        if (status.isValid() && status.toInt() != 200)
            fehler(QStringLiteral("Der Server %1 antwortete mit dem HTTP-Status %2 %3 statt der Kurse.")
                       .arg(a->url().host())
                       .arg(status.toInt())
                       .arg(a->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                       .trimmed());
        else if (a->error() != QNetworkReply::NoError)
            fehler(netzMeldung(*a, tlsFehler_));
        else
            ergebnis_ = {TAbrufergebnis::Art::Geladen, a->readAll(), {}};
        break;
    }
    emit beendet();
}

TAbrufergebnis TKursabruf::warte() {
    if (antwort_) {
        QEventLoop schleife;
        connect(this, &TKursabruf::beendet, &schleife, &QEventLoop::quit);
        schleife.exec();
    }
    return ergebnis_;
}

TKurslesung kurseAusAbruf(const TAbrufergebnis& abruf) {
    switch (abruf.Ergebnis) {
    case TAbrufergebnis::Art::Geladen:
        return liesReferenzkurse(
            std::string_view(abruf.Daten.constData(), static_cast<std::size_t>(abruf.Daten.size())));
    case TAbrufergebnis::Art::Fehler:
        return {std::nullopt, cp(abruf.Meldung)};
    case TAbrufergebnis::Art::Abgebrochen:
        break;
    }
    return {};
}

} // namespace qnt
