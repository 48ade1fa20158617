// Menu commands that open the maintenance, search and information dialogs.
#include "app/Hilfe.h"
#include "app/Qnt01.h"

namespace qnt {

void TMyWindow::Einheiteinblenden1Click() { AutomatischeNeuberechnung(); }

void TMyWindow::AusgeblendeteEinheitenlschen1Click() {}

void TMyWindow::Lnderauseinblenden1Click() { AutomatischeNeuberechnung(); }

void TMyWindow::EigeneEinheiteinfgen1Click() {}

void TMyWindow::Umrechnungsfaktorndern1Click() {}

void TMyWindow::Einheitsuchen1Click() {}

void TMyWindow::NeuesGebieteinfgen1Click() {}

void TMyWindow::VorhandenesGebietlschen1Click() {}

void TMyWindow::Index1Click() { hilfeInhalt(this); }

void TMyWindow::ber1Click() {}

void TMyWindow::rechnen() {}

} // namespace qnt
