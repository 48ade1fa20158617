#include "app/Anwendung.h"

#include "app/Meldung.h"
#include "app/Qnt01.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

// The resource sits in a static library; without this reference the linker leaves it out.
static void symbolRessourcen() {
    Q_INIT_RESOURCE(symbol);
}

namespace qnt {

Anwendung::Anwendung(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: Qt would append it to every window title.
    setApplicationName(QStringLiteral("Quantora"));
    setDesktopFileName(QStringLiteral("quantora"));
    symbolRessourcen();
    QIcon symbol;
    for (int groesse : {16, 32, 48, 256})
        symbol.addFile(QStringLiteral(":/symbol/quantora-%1.png").arg(groesse));
    setWindowIcon(symbol);
    // Qt's own texts (context menus, shortcut names) in German; without the file they stay English.
    auto* qtTexte = new QTranslator(this);
    if (qtTexte->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTexte);
}

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    bool ergebnis = false;
    mitFehlerbericht([&] { ergebnis = QApplication::notify(empfaenger, ereignis); });
    return ergebnis;
}

std::unique_ptr<QMainWindow> hauptfensterStarten() {
    auto fenster = std::make_unique<TMyWindow>();
    fenster->zeigeStart();
    return fenster;
}

void allgemeinerFehlerbericht(const QString& text) {
    meldeFehler(QApplication::activeWindow(), text);
}

} // namespace qnt
