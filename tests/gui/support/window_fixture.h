#pragma once

#include "core/app_state.h"
#include "core/settings/settings_store.h"
#include "gui/main_window/main_window.h"
#include "gui/platform/desktop.h"
#include "gui/platform/desktop_folders.h"
#include "support/fake_dialogs.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUrl>
#include <memory>

namespace jukewright::test {

// The desktop under test: records what it was asked to open and answers as told.
class FakeDesktop : public gui::Desktop {
public:
    void openTextFile(const QString& path, QObject*, std::function<void()> noProgram) override {
        opened << QUrl::fromLocalFile(path);
        if (!answer)
            noProgram();
    }

    QList<QUrl> opened;
    bool answer = true;
};

// A control of the window by its written name; a missing one ends the test program with that name.
template <typename T> T* control(const QObject* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s of the expected kind", name);
    return found;
}

// A file of the given bytes, with its folders.
inline QString writeFile(const QString& path, const QByteArray& bytes = QByteArrayLiteral("ID3 test track")) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Lets the window's events run one batch at a time until the condition holds. A save waits for the
// window at every step it shows, so stepping like this catches it in the middle.
template <typename Condition> bool stepUntil(Condition condition, int milliseconds = 10000) {
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        // One pass: events posted while it runs wait for the next one.
        QCoreApplication::processEvents();
        QThread::usleep(200);
    }
    return true;
}

// The settings of a player who has started the program before, in English: the free track was
// offered then, so a window starts with an empty list and asks nothing. Replaces what an earlier
// window of the same test stored.
inline void storeSettingsOfAnEarlierRun() {
    class Silent : public MessageView {
        void showMessage(const Message& message) override { qFatal("settings: %s", message.text.c_str()); }
    } silent;
    // The program's own folders follow the test's temporary HOME, whatever the environment says.
    const QByteArray home = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    const std::string path = gui::settingsFilePath();
    QFile::remove(QString::fromStdString(path));
    SettingsStore store(path, silent);
    store.InitSettingsFile();
    AppState earlier;
    earlier.Language = 1;
    earlier.FreeTrackOffered = 1;
    store.SaveExitSettings(earlier);
}

// One window per test, on a fresh state, with queued dialogs and a temporary home.
class WindowFixture {
public:
    explicit WindowFixture(const QString& dataFolder = QStringLiteral(JUKEWRIGHT_DATA_DIR)) {
        storeSettingsOfAnEarlierRun();
        window = std::make_unique<gui::frmMain>(*state, dialogs, desktop, dataFolder.toStdString());
        window->show();
    }

    template <typename T> T* find(const char* name) const { return control<T>(window.get(), name); }

    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    FakeDialogs dialogs;
    FakeDesktop desktop;
    std::unique_ptr<gui::frmMain> window;
};

} // namespace jukewright::test
