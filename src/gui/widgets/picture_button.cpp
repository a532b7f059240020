#include "gui/widgets/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace jukewright::gui {

PictureButton::PictureButton(const QString& objectName, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(objectName);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setPicture(const QPixmap& picture) {
    m_picture = picture;
    if (!m_stretched && !m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize());
    update();
}

QSize PictureButton::sizeHint() const {
    return m_picture.isNull() ? size() : m_picture.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_stretched);
    painter.drawPixmap(rect(), m_picture);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT pointerMoved();
    QAbstractButton::mouseMoveEvent(event);
    // The pointer is over this picture: the controls beneath it must not see the movement.
    event->accept();
}

} // namespace jukewright::gui
