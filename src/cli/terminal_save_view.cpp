#include "cli/terminal_save_view.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace jukewright::cli {

TerminalSaveView::TerminalSaveView(std::string modFolder)
    : m_modFolder(std::move(modFolder)), m_terminal(isatty(fileno(stderr)) != 0) {}

void TerminalSaveView::showMessage(const Message& message) {
    endProgressBar();
    std::cerr << message.text << '\n';
}

void TerminalSaveView::setProgressStage(SaveStage stage) {
    endProgressBar();
    switch (stage) {
    case SaveStage::GeneratingScript:
        std::cerr << "GENERATING SCRIPT\n";
        break;
    case SaveStage::CopyingFiles:
        std::cerr << "COPYING FILES\n";
        break;
    case SaveStage::Complete:
        std::cerr << "COMPLETE\n";
        break;
    }
}

void TerminalSaveView::setProgressValue(int value, std::string_view copiedName) {
    if (!m_terminal) {
        std::cerr << '[' << value << '/' << m_maximum << "] " << copiedName << '\n';
        return;
    }
    constexpr int Width = 40;
    const int filled = m_maximum > 0 ? value * Width / m_maximum : Width;
    std::cerr << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(Width - filled), ' ') << "] " << value << '/' << m_maximum
              << std::flush;
    m_barShown = true;
}

void TerminalSaveView::endProgressBar() {
    if (m_barShown)
        std::cerr << '\n';
    m_barShown = false;
}

} // namespace jukewright::cli
