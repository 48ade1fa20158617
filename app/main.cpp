#include "app/Anwendung.h"
#include "app/Qnt01.h"

#include <QIcon>
#include <cstring>
#include <iostream>

#include "app/KurseAktualisieren.h"

int main(int argc, char** argv) {
    // For updates by a timer: no window, and no display needed.
    if (argc >= 2 && std::strcmp(argv[1], qnt::kKurseAktualisierenOption) == 0) {
        QCoreApplication app(argc, argv);
        return qnt::kurseAktualisieren(QCoreApplication::arguments().mid(2), std::cout, std::cerr);
    }
    qnt::Anwendung app(argc, argv);
    QIcon symbol;
    for (int groesse : {16, 32, 48, 256})
        symbol.addFile(QStringLiteral(":/symbol/quantora-%1.png").arg(groesse));
    QApplication::setWindowIcon(symbol);
    QGuiApplication::setDesktopFileName(QStringLiteral("quantora"));
    qnt::TMyWindow fenster;
    fenster.zeigeStart();
    return app.exec();
}
