#pragma once
// Every message box of the program goes through this interface; tests install a scripted one.
#include <QString>
#include <QStringList>

class QWidget;

namespace qnt {

enum class MeldungArt { Fehler, Information, Bestaetigung, Warnung };

enum Knopf : int { KnopfOK = 1, KnopfJa = 2, KnopfNein = 4, KnopfAbbrechen = 8 };

class IMeldungen {
public:
    virtual ~IMeldungen() = default;
    // Shows a modal box with the caption of its kind; returns the button pressed.
    virtual Knopf zeige(QWidget* eltern, MeldungArt art, const QString& text, int knoepfe) = 0;
};

// The box shown with Qt.
class QtMeldungen final : public IMeldungen {
public:
    Knopf zeige(QWidget* eltern, MeldungArt art, const QString& text, int knoepfe) override;
};

QString meldungTitel(MeldungArt art);

// The installed interface (QtMeldungen unless a test installed another).
IMeldungen& meldungen();
void setzeMeldungen(IMeldungen* m);

// Short forms.
Knopf meldeFehler(QWidget* eltern, const QString& text);
Knopf meldeInfo(QWidget* eltern, const QString& text);
Knopf meldeWarnung(QWidget* eltern, const QString& text);
Knopf frageJaNein(QWidget* eltern, const QString& text);

} // namespace qnt
