#pragma once

#include "core/jukebox/save_view.h"
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

// Every call of a save in order as a line of text, and the state the calls leave behind.
class RecordingSaveView : public SaveView {
public:
    explicit RecordingSaveView(std::string modFolder) : modFolder(std::move(modFolder)) {}

    void showMessage(const Message& message) override {
        messages.push_back(message);
        events.push_back("message: " + message.text);
    }
    void pumpEvents() override {}
    void hideHoverImages() override { events.push_back("hide hover images"); }
    std::string modFolderText() const override { return modFolder; }
    void setModFolderText(const std::string& text) override { modFolder = text; }
    void setModFolderEnabled(bool enabled) override {
        modFolderEnabled = enabled;
        events.push_back(enabled ? "enable box" : "disable box");
    }
    void addModFolderToList(const std::string& folder) override { folderList.push_back(folder); }
    void setProgressStage(SaveStage stage) override {
        static const char* const names[] = {"stage generating", "stage copying", "stage complete"};
        events.push_back(names[static_cast<int>(stage)]);
    }
    void showProgressWindow() override { events.push_back("show progress"); }
    void setProgressCaption(const std::string& text) override { caption = text; }
    void setProgressMaximum(int value) override { maximum = value; }
    void setProgressValue(int value, std::string_view name) override {
        progress = value;
        copied.emplace_back(name);
    }

    std::string modFolder;
    bool modFolderEnabled = true;
    std::vector<std::string> folderList;
    std::vector<std::string> events;
    std::vector<Message> messages;
    std::vector<std::string> copied;
    std::string caption = "Jukewright - Generating...";
    int maximum = 0;
    int progress = 0;
};

} // namespace jukewright::test
