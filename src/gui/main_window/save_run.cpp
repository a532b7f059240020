#include "gui/main_window/save_run.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace jukewright::gui {

template <typename Call> void SaveRun::onWindowThread(Call&& call) {
    if (m_windowGone)
        return;
    QMetaObject::invokeMethod(this, std::forward<Call>(call), Qt::BlockingQueuedConnection);
}

class SaveRun::ForwardingView : public SaveView {
public:
    explicit ForwardingView(SaveRun& run) : m_run(run) {}

    void showMessage(const Message& message) override {
        m_run.onWindowThread([&] { m_run.m_window.showMessage(message); });
    }
    // The window's thread runs its own event loop all along; there is nothing to let through here.
    void pumpEvents() override {}
    void hideHoverImages() override {
        m_run.onWindowThread([&] { m_run.m_window.hideHoverImages(); });
    }
    std::string modFolderText() const override {
        m_run.onWindowThread([&] { m_modFolder = m_run.m_window.modFolderText(); });
        return m_modFolder;
    }
    void setModFolderText(const std::string& text) override {
        m_modFolder = text;
        m_run.onWindowThread([&] { m_run.m_window.setModFolderText(text); });
    }
    void setModFolderEnabled(bool enabled) override {
        m_run.onWindowThread([&] { m_run.m_window.setModFolderEnabled(enabled); });
    }
    void addModFolderToList(const std::string& folder) override {
        m_run.onWindowThread([&] { m_run.m_window.addModFolderToList(folder); });
    }
    void setProgressStage(SaveStage stage) override {
        m_run.onWindowThread([&] { m_run.m_window.setProgressStage(stage); });
    }
    void showProgressWindow() override {
        m_run.onWindowThread([&] { m_run.m_window.showProgressWindow(); });
    }
    void setProgressCaption(const std::string& caption) override {
        m_run.onWindowThread([&] { m_run.m_window.setProgressCaption(caption); });
    }
    void setProgressMaximum(int maximum) override {
        m_run.onWindowThread([&] { m_run.m_window.setProgressMaximum(maximum); });
    }
    void setProgressValue(int value, std::string_view copiedName) override {
        m_run.onWindowThread([&] { m_run.m_window.setProgressValue(value, copiedName); });
    }

private:
    SaveRun& m_run;
    mutable std::string m_modFolder;
};

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
        ForwardingView view(*this);
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
