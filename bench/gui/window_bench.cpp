// The main window under load: rebuilding and thinning a full list in the real list widget, the first
// painted window, and how long the window can go without its events during a long save.
#include "core/app_state.h"
#include "core/playlist/track_list.h"
#include "core/window/desktop.h"
#include "gui/main_window/main_window.h"
#include "gui/platform/qt_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <memory>

using namespace jukewright;

namespace {

constexpr int FullList = 10000;

class NoDesktop : public Desktop {
public:
    void openTextFile(const std::string&, std::function<void()>) override {}
};

// A window on its own state; messages would block a benchmark, so none may appear.
struct Window {
    Window() : window(state, dialogs, desktop, JUKEWRIGHT_DATA_DIR) {}

    AppState state;
    gui::QtDialogs dialogs;
    NoDesktop desktop;
    gui::frmMain window;
};

void fill(AppState& state, int count) {
    for (int i = 0; i < count; ++i) {
        state.TrackPaths[static_cast<std::size_t>(i)] = "/music/Artist - Song " + std::to_string(i) + ".mp3";
        state.TrackNames[static_cast<std::size_t>(i)] = "Artist - Song " + std::to_string(i) + ".mp3";
    }
    state.TrackCount = static_cast<std::int16_t>(count);
}

void BM_ReloadFullList(benchmark::State& run) {
    Window w;
    fill(w.state, FullList);
    for (auto _ : run) {
        reloadplaylst(w.state, w.window.trackList());
        benchmark::DoNotOptimize(w.window.trackList().rowCount());
    }
}
BENCHMARK(BM_ReloadFullList)->Unit(benchmark::kMillisecond);

void BM_RemoveEverySecondRow(benchmark::State& run) {
    Window w;
    auto* list = w.window.findChild<QListWidget*>(QStringLiteral("lstPlaylist"));
    auto* remove = w.window.findChild<QAction*>(QStringLiteral("mnuRemove"));
    for (auto _ : run) {
        run.PauseTiming();
        fill(w.state, FullList);
        reloadplaylst(w.state, w.window.trackList());
        benchmark::DoNotOptimize(w.window.trackList().rowCount());
        QItemSelection second;
        for (int row = 0; row < FullList; row += 2)
            second.select(list->model()->index(row, 0), list->model()->index(row, 0));
        list->selectionModel()->select(second, QItemSelectionModel::ClearAndSelect);
        run.ResumeTiming();
        remove->trigger();
        if (list->count() != FullList / 2)
            run.SkipWithError("rows were not removed");
    }
}
BENCHMARK(BM_RemoveEverySecondRow)->Unit(benchmark::kMillisecond);

// From creating the main window, skin and all, to its first paint.
void BM_FirstPaintedWindow(benchmark::State& run) {
    for (auto _ : run) {
        Window w;
        w.window.show();
        QWidget* client = w.window.centralWidget();
        while (!w.window.windowHandle()->isExposed())
            QCoreApplication::processEvents();
        // A paint of the whole client area, as the first expose asks for.
        client->repaint();
    }
}
BENCHMARK(BM_FirstPaintedWindow)->Unit(benchmark::kMillisecond);

// A 1,000-track save with one 300 MB track: the longest time the window's thread went without
// handling its events (a 5 ms timer), reported as max_stall_ms.
void BM_SaveResponsiveness(benchmark::State& run) {
    QTemporaryDir folder;
    const QString music = folder.filePath(QStringLiteral("music"));
    const QString mod = folder.filePath(QStringLiteral("cstrike"));
    QDir().mkpath(music);
    QDir().mkpath(mod);
    {
        QFile big(music + QStringLiteral("/Big Track.mp3"));
        big.open(QIODevice::WriteOnly);
        const QByteArray chunk(1 << 20, 'x');
        for (int i = 0; i < 300; ++i)
            big.write(chunk);
    }
    for (int i = 0; i < 999; ++i) {
        QFile track(music + QStringLiteral("/Track %1.mp3").arg(i));
        track.open(QIODevice::WriteOnly);
        track.write(QByteArray(64 * 1024, 'y'));
    }
    double worst = 0;
    for (auto _ : run) {
        Window w;
        w.state.TrackCount = 0;
        for (int i = 0; i < 1000; ++i) {
            const QString path = i == 500 ? music + QStringLiteral("/Big Track.mp3")
                                          : music + QStringLiteral("/Track %1.mp3").arg(i % 999);
            w.state.TrackPaths[static_cast<std::size_t>(i)] = path.toStdString();
            w.state.TrackNames[static_cast<std::size_t>(i)] = QFileInfo(path).fileName().toStdString();
        }
        w.state.TrackCount = 1000;
        w.window.findChild<QComboBox*>(QStringLiteral("cboSteamFolder"))->setEditText(mod);
        w.window.show();
        QElapsedTimer sinceLast;
        QTimer tick;
        tick.setInterval(5);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            worst = std::max(worst, static_cast<double>(sinceLast.nsecsElapsed()) / 1e6);
            sinceLast.restart();
        });
        bool ended = false;
        QObject::connect(&w.window, &gui::frmMain::saveEnded, [&] { ended = true; });
        w.window.findChild<QAction*>(QStringLiteral("mnuSaveScript"))->trigger();
        sinceLast.start();
        tick.start();
        while (!ended)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    run.counters["max_stall_ms"] = worst;
}
BENCHMARK(BM_SaveResponsiveness)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
