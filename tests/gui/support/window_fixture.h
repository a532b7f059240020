#pragma once

#include "core/app_state.h"
#include "core/settings/settings_store.h"
#include "gui/main_window/main_window.h"
#include "gui/platform/desktop_folders.h"
#include "support/recording_dialogs.h"
#include "support/recording_views.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace jukewright::test {

// A control by its written name; a missing one ends the test program with that name.
template <typename T> T* control(const QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s of the expected kind", name);
    return found;
}

inline QString writeFile(const QString& path, const QByteArray& bytes = QByteArrayLiteral("ID3 test track")) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

// Runs the steps on the modal dialog as soon as it shows, then makes sure it is gone, so a failed step
// cannot leave the test waiting. Returns the dialog's object name ("" for none).
inline QString onModal(const std::function<void(QWidget*)>& steps, const std::function<void()>& open) {
    QString seen;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            seen = dialog->objectName();
            steps(dialog);
            if (dialog->isVisible())
                dialog->close();
        }
    });
    open();
    return seen;
}

// The program's folders follow this home, whatever the environment says.
class FreshHome {
public:
    FreshHome() {
        qputenv("HOME", dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", path(QStringLiteral(".config")).toUtf8());
        qputenv("XDG_DATA_HOME", path(QStringLiteral(".local/share")).toUtf8());
    }
    QString path(const QString& relative = {}) const {
        return relative.isEmpty() ? dir.path() : dir.filePath(relative);
    }

private:
    QTemporaryDir dir;
};

// One run of the program; by default after an earlier run in English, so it starts empty and asks nothing.
class WindowFixture {
public:
    explicit WindowFixture(const QString& dataFolder = QStringLiteral(JUKEWRIGHT_DATA_DIR), bool earlierRun = true,
                           std::deque<bool> answers = {}) {
        if (earlierRun)
            storeEarlierRun();
        dialogs.nextAnswers = std::move(answers);
        window = std::make_unique<gui::frmMain>(*state, dialogs, desktop, dataFolder.toStdString());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the main window did not show");
    }

    template <typename T> T* find(const char* name) const { return control<T>(window.get(), name); }
    QStringList rows() const { return rowsOf(find<QListWidget>("lstPlaylist")); }
    void trigger(const char* item) const { find<QAction>(item)->trigger(); }
    void addTracks(int count) {
        for (int i = 0; i < count; ++i) {
            dialogs.nextFileNames.push_back("/music/T" + std::to_string(i));
            trigger("mnuAddTrack");
        }
    }

    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    FakeDialogs dialogs;
    FakeDesktop desktop;
    std::unique_ptr<gui::frmMain> window;

private:
    static void storeEarlierRun() {
        RecordingMessages messages;
        QFile::remove(QString::fromStdString(gui::settingsFilePath()));
        SettingsStore store(gui::settingsFilePath(), messages);
        store.InitSettingsFile();
        AppState earlier;
        earlier.Language = 1;
        earlier.FreeTrackOffered = 1;
        store.SaveExitSettings(earlier);
    }
};

class WindowTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<FreshHome> m_home;
    std::unique_ptr<WindowFixture> f;

protected Q_SLOTS:
    void init() {
        m_home = std::make_unique<FreshHome>();
        f = std::make_unique<WindowFixture>();
    }
    void cleanup() {
        f.reset();
        m_home.reset();
    }
};

} // namespace jukewright::test
