// The media library window while a large music folder is read: 20,000 small tagged files of 1,000
// artists with four albums each, and 100,000 of 5,000 artists. The scan runs on its own thread; the window takes its
// news and refills its lists on its own. Reported: the longest time the window's thread went without handling its
// events (a 5 ms timer) as max_stall_ms, the slowest refill as max_refill_ms, and how long the whole folder took as
// scan_s.
#include "core/library/library_catalog.h"
#include "core/system/file_tags.h"
#include "gui/dialogs/media_library.h"
#include "support/tagged_mp3.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>

using namespace jukewright;

namespace {

constexpr int AlbumsEach = 4;
constexpr int TracksEach = 5;

void writeMusicFolder(const QString& music, int artists) {
    for (int artist = 0; artist < artists; ++artist) {
        const std::string artistName = "Artist " + std::to_string(artist);
        for (int album = 0; album < AlbumsEach; ++album) {
            const std::string albumName = "Album " + std::to_string(album);
            const QString folder = music + QStringLiteral("/%1/%2").arg(QString::fromStdString(artistName),
                                                                        QString::fromStdString(albumName));
            QDir().mkpath(folder);
            for (int track = 1; track <= TracksEach; ++track) {
                const std::string bytes =
                    test::taggedMp3({artistName, "", albumName, std::to_string(track), "", "Song"}, 512);
                QFile file(folder + QStringLiteral("/%1.mp3").arg(track));
                if (!file.open(QIODevice::WriteOnly) ||
                    file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
                    qFatal("cannot write %s", qPrintable(file.fileName()));
            }
        }
    }
}

void BM_LibraryWindowWhileScanning(benchmark::State& run) {
    QTemporaryDir temp;
    const QString music = temp.filePath(QStringLiteral("Music"));
    const int artists = static_cast<int>(run.range(0));
    writeMusicFolder(music, artists);
    double worstStall = 0;
    double worstRefill = 0;
    double scanSeconds = 0;
    int artistRows = 0;
    for (auto _ : run) {
        // Wired as the main window wires it: news from the scan's thread queued to the window's.
        QObject receiver;
        gui::frmMediaLib* shown = nullptr;
        LibraryCatalog* catalogOf = nullptr;
        LibraryCatalog catalog(makeTagReader, [&receiver, &catalogOf, &shown, &worstRefill] {
            QMetaObject::invokeMethod(
                &receiver,
                [&catalogOf, &shown, &worstRefill] {
                    QElapsedTimer refill;
                    refill.start();
                    if (catalogOf->takeNews())
                        shown->showCatalog();
                    worstRefill = std::max(worstRefill, static_cast<double>(refill.nsecsElapsed()) / 1e6);
                },
                Qt::QueuedConnection);
        });
        catalogOf = &catalog;
        gui::frmMediaLib window(catalog, [](const std::vector<std::string>&) {});
        shown = &window;
        window.show();

        QElapsedTimer sinceLast;
        QTimer tick;
        tick.setInterval(5);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            worstStall = std::max(worstStall, static_cast<double>(sinceLast.nsecsElapsed()) / 1e6);
            sinceLast.restart();
        });
        QElapsedTimer scan;
        scan.start();
        catalog.open(music.toStdString());
        window.showCatalog();
        sinceLast.start();
        tick.start();
        while (catalog.scanning())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        scanSeconds = static_cast<double>(scan.elapsed()) / 1000;
        artistRows = window.findChild<QListWidget*>(QStringLiteral("lstArtists"))->count();
    }
    if (artistRows != artists + 1)
        run.SkipWithError("the window does not list every artist");
    run.counters["max_stall_ms"] = worstStall;
    run.counters["max_refill_ms"] = worstRefill;
    run.counters["scan_s"] = scanSeconds;
    run.counters["files"] = artists * AlbumsEach * TracksEach;
}
BENCHMARK(BM_LibraryWindowWhileScanning)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(1);

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
