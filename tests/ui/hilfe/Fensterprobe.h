#pragma once
// A main window over a data folder of the test's own, with scripted message boxes: what every
// dialog test starts from.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "Testhilfe.h"
#include "app/Qnt01.h"
#include "list/Sitzung.h"
#include "list/widgets/EinheitenModell.h"

namespace qnt::test {

struct Fensterprobe {
    Datenordner o{false};
    SkriptMeldungen m;
    std::unique_ptr<TMyWindow> fenster;

    // `fuellen` writes the folder's files before the window reads them.
    template <typename F> explicit Fensterprobe(F fuellen) {
        fuellen(o);
        fenster = std::make_unique<TMyWindow>();
        fenster->zeigeStart();
    }
    TMyWindow& w() { return *fenster; }
    TSitzung& s() { return fenster->Sitzung(); }

    // Runs the menu command `menue` with `aktion` in the dialog `d` that it opens.
    template <typename F> void befehl(QDialog* d, void (TMyWindow::*menue)(), F aktion) {
        imDialog(d, aktion);
        (w().*menue)();
    }
    // Chooses a category by name, as the user would.
    void waehle(const QString& gebiet) {
        w().ComboBox1->setCurrentIndex(w().ComboBox1->findText(gebiet));
        w().ComboBox1Change();
    }
    // The unit names of the main window's list.
    QStringList liste() const { return einheitennamen(fenster->ListBoxEinheit); }
};

inline QStringList zeilen(const QListWidget* l) {
    QStringList z;
    for (int i = 0; i < l->count(); ++i)
        z << l->item(i)->text();
    return z;
}

} // namespace qnt::test
