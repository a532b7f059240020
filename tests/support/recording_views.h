#pragma once

#include "core/message.h"
#include "core/playlist/playlist_view.h"

#include <set>
#include <string>
#include <vector>

namespace jukewright::test {

class RecordingMessages : public MessageView {
public:
    void showMessage(const Message& message) override { messages.push_back(message); }
    std::vector<Message> messages;
};

// The track list's window as a test sees it: rows, selection and every message.
class RecordingPlaylistView : public PlaylistView {
public:
    void showMessage(const Message& message) override { messages.push_back(message); }
    void clearRows() override {
        rows.clear();
        selected.clear();
        current = -1;
    }
    void appendRow(const std::string& text) override { rows.push_back(text); }
    int rowCount() const override { return static_cast<int>(rows.size()); }
    bool isRowSelected(int row) const override { return selected.contains(row); }
    void selectRow(int row) override {
        selected = {row};
        current = row;
    }
    void hideHoverImages() override { ++hoverHides; }

    std::vector<std::string> rows;
    std::set<int> selected;
    int current = -1;
    int hoverHides = 0;
    std::vector<Message> messages;
};

} // namespace jukewright::test
