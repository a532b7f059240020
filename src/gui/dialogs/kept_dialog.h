#pragma once

#include <QCloseEvent>
#include <QDialog>

namespace jukewright::gui {

// A dialog kept between its showings (see DialogKeeper): OK and Cancel only hide it, so it shows
// again as it was left, and Esc runs its Cancel handler; its close box destroys it without that
// handler, and the next showing creates it afresh.
class KeptDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

    // Esc: the Cancel button.
    void reject() final { cmdCancel_Click(); }

protected:
    // The Cancel button; it ends by hiding the dialog with hideCancelled.
    virtual void cmdCancel_Click() = 0;
    void hideCancelled() { QDialog::reject(); }

    // The close box.
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        deleteLater();
    }
};

} // namespace jukewright::gui
