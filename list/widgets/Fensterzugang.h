#pragma once
// What a dialog may reach of the main window: the session, and the few window actions that show it.
namespace qnt {

class TSitzung;

class TFensterzugang {
public:
    virtual ~TFensterzugang() = default;
    virtual TSitzung& Sitzung() = 0;
    // Reads the chosen category's list anew and shows it with the first row marked.
    virtual void ListeNeuFuellen() = 0;
    // Marks a row and shows its unit and information.
    virtual void MarkiereZeile(int zeile) = 0;
    // Lists the session's categories anew in the selector and chooses `index`, as the user would.
    virtual void GebietWaehlen(int index) = 0;

protected:
    TFensterzugang() = default;
    TFensterzugang(const TFensterzugang&) = default;
    TFensterzugang& operator=(const TFensterzugang&) = default;
};

} // namespace qnt
