#pragma once

#include "core/credits/credit_pair.h"

#include <fstream>
#include <optional>
#include <string>

namespace jukewright {

// credits.txt, held open while the about window is shown and read one pair of rows at a time, with
// the system's own line ends. At its end it is closed and opened again, so the roll goes on from the
// first pair. A missing or empty file gives empty pairs; a last row without a partner gives an empty
// name; nothing is ever read past the end.
class CreditsFile : public CreditSource {
public:
    explicit CreditsFile(std::string path);

    CreditPair nextPair() override;
    void close();
    bool isOpen() const;

private:
    std::optional<std::string> nextRow();
    bool atEnd();
    void reopen();

    std::string m_path;
    std::ifstream m_file;
};

} // namespace jukewright
