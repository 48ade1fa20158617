#include "app/Anwendung.h"
#include "app/Qnt01.h"

#include <QIcon>

int main(int argc, char** argv) {
    qnt::Anwendung app(argc, argv);
    QIcon symbol;
    for (int groesse : {16, 32, 48, 256}) symbol.addFile(QStringLiteral(":/symbol/quantora-%1.png").arg(groesse));
    QApplication::setWindowIcon(symbol);
    QGuiApplication::setDesktopFileName(QStringLiteral("quantora"));
    qnt::TMyWindow fenster;
    fenster.zeigeStart();
    return app.exec();
}
