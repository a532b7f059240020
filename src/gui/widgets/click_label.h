#pragma once

#include <QLabel>

namespace jukewright::gui {

// A label that acts on a click like a button does: on a release inside it, not on the press.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    ClickLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace jukewright::gui
