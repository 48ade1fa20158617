#include "list/widgets/Dialograhmen.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qnt {

void dialogRahmen(QDialog* d, const QString& titel) {
    d->setWindowTitle(titel);
    d->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                      Qt::WindowCloseButtonHint);
    d->setModal(true);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(8);
    d->setFont(schrift);
}

QGridLayout* formularRaster(QDialog* d) {
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

void okAbbrechenZeile(QDialog* d, QPushButton*& ok, QPushButton*& abbrechen) {
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    ok = new QPushButton(QStringLiteral("OK"), d);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    ok->setFixedWidth(80);
    abbrechen = new QPushButton(QStringLiteral("Abbrechen"), d);
    abbrechen->setAutoDefault(false);
    abbrechen->setFixedWidth(80);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    static_cast<QBoxLayout*>(d->layout())->addLayout(knoepfe);
}

void tabfolge(const std::vector<QWidget*>& felder) {
    for (std::size_t i = 1; i < felder.size(); ++i)
        QWidget::setTabOrder(felder[i - 1], felder[i]);
}

} // namespace qnt
