#include "app/Anwendung.h"
#include "app/Qnt01.h"

int main(int argc, char** argv) {
    qnt::Anwendung app(argc, argv);
    qnt::TMyWindow fenster;
    fenster.zeigeStart();
    return app.exec();
}
