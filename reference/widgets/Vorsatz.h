#pragma once
// The decimal prefix viewer: a built-in list in a monospaced font.
#include <QDialog>

class QListWidget;
class QPushButton;

namespace qnt {

class TVorsatzzeichen : public QDialog {
    Q_OBJECT
public:
    explicit TVorsatzzeichen(QWidget* eltern);

    QListWidget* ListBox1 = nullptr;
    QPushButton* OKBtn = nullptr;

    void FormShow();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace qnt
