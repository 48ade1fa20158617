#pragma once
// A label that shows a web address as a link and opens it through the shell when clicked.
#include <QLabel>

namespace qnt {

class TVerweis : public QLabel {
    Q_OBJECT
public:
    // Bold, underlined and blue, with the hand cursor.
    TVerweis(const QString& adresse, int pixelhoehe, QWidget* eltern);

signals:
    void geklickt();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

} // namespace qnt
