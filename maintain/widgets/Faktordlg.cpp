#include "maintain/widgets/Faktordlg.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>


namespace qnt {

QGridLayout* faktordialogRahmen(QDialog* d, const QString& titel) {
    d->setWindowTitle(titel);
    d->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                      Qt::WindowCloseButtonHint);
    d->setModal(true);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(8);
    d->setFont(schrift);
    auto* aussen = new QVBoxLayout(d);
    aussen->setSizeConstraint(QLayout::SetFixedSize);
    aussen->setContentsMargins(12, 12, 12, 12);
    aussen->setSpacing(12);
    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(10);
    raster->setVerticalSpacing(6);
    aussen->addLayout(raster);
    return raster;
}

QLabel* wertzeile(QDialog* d, QGridLayout* raster, const QString& titel) {
    const int zeile = raster->rowCount();
    raster->addWidget(new QLabel(titel, d), zeile, 0);
    auto* wert = new QLabel(d);
    QPalette p = wert->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    wert->setPalette(p);
    wert->setMinimumWidth(180);
    raster->addWidget(wert, zeile, 1, 1, 2);
    return wert;
}

void faktordialogKnoepfe(QDialog* d, QPushButton*& ok, QPushButton*& abbrechen) {
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    ok = new QPushButton(QStringLiteral("OK"), d);
    ok->setDefault(true);
    ok->setFixedWidth(80);
    abbrechen = new QPushButton(QStringLiteral("Abbrechen"), d);
    abbrechen->setAutoDefault(false);
    abbrechen->setFixedWidth(80);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    static_cast<QVBoxLayout*>(d->layout())->addLayout(knoepfe);
}

} // namespace qnt
