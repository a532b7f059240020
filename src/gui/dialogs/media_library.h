#pragma once

#include <QWidget>

namespace jukewright::gui {

// The media library window: artists and albums, side by side.
class frmMediaLib : public QWidget {
    Q_OBJECT

public:
    explicit frmMediaLib(QWidget* parent = nullptr);
};

} // namespace jukewright::gui
