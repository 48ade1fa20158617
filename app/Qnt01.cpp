#include "app/Qnt01.h"

#include <QGuiApplication>
#include <QScreen>

namespace qnt {

TMyWindow::TMyWindow(QWidget* eltern) : QMainWindow(eltern) {
    setWindowTitle(QStringLiteral("Quantora Pro"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(561, 374);
}

TMyWindow::~TMyWindow() = default;

void TMyWindow::zeigeStart() {
    if (const auto* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
    show();
}

} // namespace qnt
