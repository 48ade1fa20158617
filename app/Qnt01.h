#pragma once
// The main window.
#include <QMainWindow>

namespace qnt {

class TMyWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TMyWindow(QWidget* eltern = nullptr);
    ~TMyWindow() override;

    // Centres and shows the window (its show event loads the categories).
    void zeigeStart();
};

} // namespace qnt
