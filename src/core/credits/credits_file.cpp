#include "core/credits/credits_file.h"

#include "core/system/code_page.h"
#include "core/system/native_path.h"
#include "core/system/text_rows.h"

#include <utility>

namespace jukewright {

namespace {

// Whether a lone LF ends a row is the platform's row rule; ask it rather than repeat it.
bool lfEndsRow() {
    return splitRows("a\nb", LineEnds::System).size() == 2;
}

} // namespace

CreditsFile::CreditsFile(std::string path) : m_path(std::move(path)) {
    reopen();
}

CreditPair CreditsFile::nextPair() {
    std::optional<std::string> position = nextRow();
    if (!position) {
        // Only an empty or missing file has no row at its start.
        reopen();
        position = nextRow();
        if (!position)
            return {};
    }
    CreditPair pair{*position, nextRow().value_or(std::string{})};
    if (atEnd())
        reopen();
    return pair;
}

void CreditsFile::close() {
    m_file.close();
}

bool CreditsFile::isOpen() const {
    return m_file.is_open();
}

std::optional<std::string> CreditsFile::nextRow() {
    if (atEnd())
        return std::nullopt;
    static const bool lf = lfEndsRow();
    std::string bytes;
    for (int c = m_file.get(); c != std::ifstream::traits_type::eof(); c = m_file.get()) {
        if (c == '\r') {
            if (m_file.peek() == '\n')
                m_file.get();
            break;
        }
        if (c == '\n' && lf)
            break;
        bytes.push_back(static_cast<char>(c));
    }
    return textFromFile(bytes);
}

bool CreditsFile::atEnd() {
    return !m_file.is_open() || m_file.peek() == std::ifstream::traits_type::eof();
}

void CreditsFile::reopen() {
    m_file.close();
    m_file.clear();
    if (!m_path.empty())
        m_file.open(fsPath(m_path), std::ios::binary);
}

} // namespace jukewright
