#pragma once

#include "core/credits/credits_file.h"
#include "core/credits/credits_roll.h"

#include <QDialog>
#include <memory>
#include <string>

class QLabel;
class QTimer;

namespace jukewright::gui {

// The about window: the product's name and slogan over a credits roll read from credits.txt, which
// stays open while the window is shown. One window per opening, so each starts at the first pair.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(const std::string& creditsPath, QWidget* parent = nullptr);

    // One step of the roll; the timer calls it every 40 ms, tests call it directly.
    void timCredits_Timer();

    // Esc: the close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
    void showRoll();

    CreditsFile m_creditsFile;
    CreditsRoll m_roll;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* lblPosition;
    QLabel* lblName;
    QTimer* timCredits;
};

} // namespace jukewright::gui
