#pragma once

#ifndef _WIN32

#include <functional>
#include <string>
#include <sys/types.h>

namespace jukewright::test {

// What a child process reported: its exit status (-1 when a signal ended it) and the text it wrote.
struct ChildResult {
    int status = -1;
    std::string text;
};

inline constexpr uid_t NobodyId = 65534;

// Runs `body` in a forked child and waits for it; its exit status is what `body` returns. With
// `asNobody`, a child of root gives up root's rights, so that permissions stop it as they stop a player.
ChildResult runInChild(const std::function<int(std::string& text)>& body, bool asNobody = false);

// Starts `body` in a forked child and returns its process id, for a test that kills it.
pid_t startChild(const std::function<void()>& body);
// Waits for a child and answers its exit status, or -1 when a signal ended it.
int waitForChild(pid_t child);

bool runningAsRoot();

} // namespace jukewright::test

#endif
