#include "list/widgets/Dialograhmen.h"

#include <QDialog>

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

void tabfolge(const std::vector<QWidget*>& felder) {
    for (std::size_t i = 1; i < felder.size(); ++i)
        QWidget::setTabOrder(felder[i - 1], felder[i]);
}

} // namespace qnt
