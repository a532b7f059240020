#pragma once

#include <string>

namespace jukewright {

enum class MessageIcon { None, Stop };

// A message box as the person sees it: its text, its title and its icon (always with an OK button).
struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message&) const = default;
};

inline constexpr const char* TitlePlain = "Jukewright";
inline constexpr const char* TitleError = "Jukewright - Error";

// Where a command shows its messages. The window shows a message box, the command line writes to
// standard error, tests record.
class MessageView {
public:
    virtual ~MessageView() = default;
    virtual void showMessage(const Message& message) = 0;
};

} // namespace jukewright
