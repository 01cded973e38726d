#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>

namespace velmora {

// A picture control: shows one picture and reports the mouse to the window's
// handlers. A click is a left press followed by a left release inside the
// control; it is reported before the release, so the pressed picture of an
// image button stays in front while the click's action runs.
class ControleImage : public QLabel {
    Q_OBJECT

public:
    // `nom` becomes the object name, by which image buttons find their pairs.
    ControleImage(QWidget* parent, const QString& nom, const QRect& place);

    void DefinirImage(const QPixmap& image);

signals:
    void MouseDown(velmora::ControleImage* source, Qt::MouseButton bouton, QPoint position);
    void MouseMove(velmora::ControleImage* source, QPoint position);
    void MouseUp(velmora::ControleImage* source, Qt::MouseButton bouton, QPoint position);
    void Click(velmora::ControleImage* source);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool clicEnCours_ = false;
};

}  // namespace velmora
