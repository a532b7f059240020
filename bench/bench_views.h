#pragma once

#include "core/jukebox/save_view.h"
#include "core/playlist/playlist_view.h"

#include <string>
#include <vector>

namespace jukewright::bench {

// The rows and selection of the list, kept as a list box keeps them; messages are counted.
class StoredRows : public PlaylistView {
public:
    void showMessage(const Message&) override { ++messages; }
    void clearRows() override {
        rows.clear();
        selected.clear();
    }
    void appendRow(const std::string& text) override {
        rows.push_back(text);
        selected.push_back(false);
    }
    int rowCount() const override { return static_cast<int>(rows.size()); }
    bool isRowSelected(int row) const override { return selected[static_cast<std::size_t>(row)]; }
    void selectRow(int row) override {
        selected.assign(rows.size(), false);
        selected[static_cast<std::size_t>(row)] = true;
    }
    void hideHoverImages() override {}

    std::vector<std::string> rows;
    std::vector<bool> selected;
    int messages = 0;
};

// A save with nobody watching; it only notes whether an error was shown.
class QuietSave : public SaveView {
public:
    explicit QuietSave(std::string folder) : m_folder(std::move(folder)) {}
    void showMessage(const Message& message) override { failed = failed || message.icon == MessageIcon::Stop; }
    void pumpEvents() override {}
    void hideHoverImages() override {}
    std::string modFolderText() const override { return m_folder; }
    void setModFolderText(const std::string& text) override { m_folder = text; }
    void setModFolderEnabled(bool) override {}
    void addModFolderToList(const std::string&) override {}
    void setProgressStage(SaveStage) override {}
    void showProgressWindow() override {}
    void setProgressCaption(const std::string&) override {}
    void setProgressMaximum(int) override {}
    void setProgressValue(int, std::string_view) override {}

    bool failed = false;

private:
    std::string m_folder;
};

} // namespace jukewright::bench
