#ifndef _WIN32

#include "support/child_process.h"

#include <cstdlib>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace jukewright::test {

bool runningAsRoot() {
    return ::geteuid() == 0;
}

pid_t startChild(const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    return child;
}

int waitForChild(pid_t child) {
    int raw = 0;
    while (::waitpid(child, &raw, 0) < 0) {
    }
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

ChildResult runInChild(const std::function<int(std::string& text)>& body, bool asNobody) {
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (asNobody && runningAsRoot() &&
            (::setgroups(0, nullptr) != 0 || ::setgid(NobodyId) != 0 || ::setuid(NobodyId) != 0))
            ::_exit(125);
        std::string text;
        const int status = body(text);
        for (std::size_t written = 0; written < text.size();) {
            const ssize_t n = ::write(channel[1], text.data() + written, text.size() - written);
            if (n <= 0)
                break;
            written += static_cast<std::size_t>(n);
        }
        ::_exit(status);
    }
    ::close(channel[1]);
    ChildResult result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.text.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    result.status = waitForChild(child);
    return result;
}

} // namespace jukewright::test

#endif
