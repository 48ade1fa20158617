// Renders the main window and every dialog; with QUANTORA_FOTOS set, the pictures are saved there to look at.
#include <QtTest>

#include <QComboBox>
#include <QDialog>
#include <QListWidget>

#include "Testhilfe.h"
#include "app/Qnt01.h"

using namespace qnt;

class tst_Ansicht : public QObject {
    Q_OBJECT
    void foto(QWidget* w, const QString& name) {
        const QPixmap bild = w->grab();
        QVERIFY2(!bild.isNull() && bild.width() > 100, qPrintable(name));
        const QString ordner = qEnvironmentVariable("QUANTORA_FOTOS");
        if (!ordner.isEmpty()) bild.save(ordner + "/" + name + ".png");
    }
private slots:
    void fensterUndDialoge() {
        test::Datenordner o;
        o.schreibe("QNT5.INI", test::einstellungen("1"));
        test::SkriptMeldungen m;
        TMyWindow w;
        w.zeigeStart();
        w.ComboBox1->setCurrentIndex(w.ComboBox1->findText(QStringLiteral("Länge")));
        w.ComboBox1Change();
        w.ListBoxEinheit->setCurrentRow(2);
        w.RechentasteClick();
        foto(&w, "Hauptfenster");
        for (auto* d : w.findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
            d->show();
            foto(d, d->metaObject()->className());
            d->hide();
        }
    }
};

QTEST_MAIN(tst_Ansicht)
#include "tst_Ansicht.moc"
