#pragma once

#include "gui/platform/dialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace jukewright::test {

// The dialogs under test: file names and Yes/No answers are queued in advance ("" is a cancelled
// dialog), and every message and question is recorded with its title and icon.
class FakeDialogs : public gui::Dialogs {
public:
    QString openFile(QWidget*, const QString& title, const QString& filter, const QString& folder) override {
        openedTitles << title;
        openedFilters << filter;
        openedFolders << folder;
        if (nextFileNames.empty())
            return {};
        QString name = nextFileNames.front();
        nextFileNames.pop_front();
        return name;
    }
    void showMessage(QWidget*, const Message& message) override { messages.push_back(message); }
    bool askYesNo(QWidget*, const QString& text, const QString& title) override {
        questions << text;
        questionTitles << title;
        if (nextAnswers.empty())
            return false;
        const bool answer = nextAnswers.front();
        nextAnswers.pop_front();
        return answer;
    }

    std::deque<QString> nextFileNames;
    std::deque<bool> nextAnswers;
    QStringList openedTitles, openedFilters, openedFolders;
    std::vector<Message> messages;
    QStringList questions, questionTitles;
};

} // namespace jukewright::test
