#pragma once

#include "core/window/desktop.h"
#include "core/window/dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace jukewright::test {

// The standard dialogs for the window tests of both window programs: file names and Yes/No answers are
// queued in advance ("" is a cancelled dialog); every filter, message and question is recorded.
class FakeDialogs : public Dialogs {
public:
    std::string openFile(const std::string&, const FileFilter& filter, const std::string& folder) override {
        openedFilters.push_back(filter.description);
        openedFolders.push_back(folder);
        return take(nextFileNames, std::string());
    }
    void showMessage(const Message& message) override { messages.push_back(message); }
    bool askYesNo(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return take(nextAnswers, false);
    }

    std::deque<std::string> nextFileNames;
    std::deque<bool> nextAnswers;
    std::vector<std::string> openedFilters, openedFolders, questions;
    std::vector<Message> messages;

private:
    template <typename T> static T take(std::deque<T>& queue, T otherwise) {
        if (queue.empty())
            return otherwise;
        T first = queue.front();
        queue.pop_front();
        return first;
    }
};

// Records every file the window asks the system to open; `noProgram` runs when told so.
class FakeDesktop : public Desktop {
public:
    void openTextFile(const std::string& path, std::function<void()> noProgram) override {
        opened.push_back(path);
        if (answerNoProgram)
            noProgram();
    }

    std::vector<std::string> opened;
    bool answerNoProgram = false;
};

} // namespace jukewright::test
