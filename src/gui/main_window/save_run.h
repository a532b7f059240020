#pragma once

#include "core/app_state.h"
#include "core/jukebox/save_script.h"
#include "core/jukebox/save_view.h"

#include <QObject>
#include <atomic>
#include <string>

class QThread;

namespace jukewright::gui {

// Runs one save off the window's thread, so that a long copy never holds the window up. Every call
// the save makes on its view is carried over to the window's thread and waited for: the window sees
// the calls in the save's own order, and the save reads the mod-folder box as the window has it. The
// window keeps its hands off the track list and the remembered folders while the save runs.
class SaveRun : public QObject {
    Q_OBJECT

public:
    SaveRun(AppState& state, SaveView& window, std::string dataFolder, QObject* parent = nullptr);
    ~SaveRun() override;

    void start();

Q_SIGNALS:
    void finished(jukewright::SaveOutcome outcome);

private:
    // Carries one call over to the window's thread and waits for it; once the window is gone the
    // call is dropped.
    template <typename Call> void onWindowThread(Call&& call);

    AppState& m_state;
    SaveView& m_window;
    std::string m_dataFolder;
    QThread* m_thread = nullptr;
    std::atomic<bool> m_windowGone = false;
    SaveOutcome m_outcome = SaveOutcome::Stopped;
};

} // namespace jukewright::gui
