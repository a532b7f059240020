#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace jukewright::gui {

// A picture the person can click: paints its pixmap, takes the pixmap's size (or, when stretched,
// keeps its own and fills it), clicks on a release inside like any button, and reports every
// pointer movement over it so that the main window can run its hover protocol.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PictureButton(const QString& objectName, QWidget* parent = nullptr);

    // An empty pixmap leaves the control empty at its current size.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }
    void setStretched(bool stretched) { m_stretched = stretched; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    bool m_stretched = false;
};

} // namespace jukewright::gui
