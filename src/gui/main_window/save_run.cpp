#include "gui/main_window/save_run.h"

#include "core/jukebox/forwarding_save_view.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace jukewright::gui {

template <typename Call> void SaveRun::onWindowThread(Call&& call) {
    if (m_windowGone)
        return;
    QMetaObject::invokeMethod(this, std::forward<Call>(call), Qt::BlockingQueuedConnection);
}

SaveRun::SaveRun(AppState& state, SaveView& window, std::string dataFolder, QObject* parent)
    : QObject(parent), m_state(state), m_window(window), m_dataFolder(std::move(dataFolder)) {}

SaveRun::~SaveRun() {
    if (!m_thread)
        return;
    // Only reached when the window goes away in the middle of a save: let the save end without it,
    // answering the one call it may be waiting on.
    m_windowGone = true;
    while (!m_thread->wait(QDeadlineTimer(20)))
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    delete m_thread;
}

void SaveRun::start() {
    m_thread = QThread::create([this] {
        ForwardingSaveView view(m_window, [this](const std::function<void()>& call) { onWindowThread(call); });
        m_outcome = saveScriptCommand(m_state, view, m_dataFolder);
    });
    connect(m_thread, &QThread::finished, this, [this] {
        if (m_windowGone)
            return;
        m_thread->wait();
        m_thread->deleteLater();
        m_thread = nullptr;
        Q_EMIT finished(m_outcome);
    });
    m_thread->start();
}

} // namespace jukewright::gui
