#include "core/script/script_text.h"

#include "core/system/code_page.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace jukewright {

bool isScriptVolumeStep(int volume) {
    return std::find(ScriptVolumeSteps.begin(), ScriptVolumeSteps.end(), volume) != ScriptVolumeSteps.end();
}

std::int16_t loopVars(std::int16_t index, std::int16_t indexmax, std::int16_t addition) {
    const int sum = index + addition;
    return static_cast<std::int16_t>(sum > indexmax + 1 ? addition - 1 : sum);
}

std::int16_t loopVarsNeg(std::int16_t index, std::int16_t indexmax, std::int16_t subtraction) {
    const int d = index - subtraction;
    return static_cast<std::int16_t>(d >= 0 ? d + 1 : indexmax + 1);
}

namespace {

// Builds the text line by line: every line is preceded by its CR LF, so the text starts with an
// empty line and has no line end after its last line.
class ScriptWriter {
public:
    explicit ScriptWriter(std::size_t expectedSize) { m_text.reserve(expectedSize); }

    template <typename... Parts> void line(const Parts&... parts) {
        m_text += "\r\n";
        (append(parts), ...);
    }
    void lineBreak() { m_text += "\r\n"; }
    template <typename... Parts> void raw(const Parts&... parts) { (append(parts), ...); }

    std::string take() { return std::move(m_text); }

private:
    void append(std::string_view text) { m_text += text; }
    void append(const char* text) { m_text += text; }
    void append(const std::string& text) { m_text += text; }
    void append(int number) {
        char buffer[12];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
        m_text.append(buffer, result.ptr);
    }

    std::string m_text;
};

// A step s is told to the engine as s / 100 with two decimals: 5 -> "0.05", 100 -> "1.00".
std::string fraction(int step) {
    std::string text = std::to_string(step / 100) + ".";
    text += static_cast<char>('0' + step % 100 / 10);
    text += static_cast<char>('0' + step % 10);
    return text;
}

void volumeLadder(ScriptWriter& out, std::string_view alias, std::string_view command, std::string_view up,
                  std::string_view down) {
    const std::size_t last = ScriptVolumeSteps.size() - 1;
    for (std::size_t i = 0; i <= last; ++i) {
        const int step = ScriptVolumeSteps[i];
        const int above = ScriptVolumeSteps[i == last ? last : i + 1];
        const int below = ScriptVolumeSteps[i == 0 ? 0 : i - 1];
        out.line("alias ", alias, step, " \"", command, " ", fraction(step), "; alias ", up, " ", alias, above,
                 "; alias ", down, " ", alias, below, ";\"");
    }
}

std::size_t expectedSize(const AppState& state, const std::vector<std::string>& copyNames) {
    std::size_t size = 4096;
    for (int i = 0; i < state.TrackCount; ++i)
        size += 560 + 2 * copyNames[static_cast<std::size_t>(i)].size() +
                2 * state.TrackNames[static_cast<std::size_t>(i)].size();
    return size;
}

} // namespace

std::string BuildScriptText(const AppState& state, const ScriptNames& names, std::string_view trackFolder) {
    const std::vector<std::string>& copyNames = names.copy;
    const int count = state.TrackCount;
    const auto indexmax = static_cast<std::int16_t>(count - 1);
    ScriptWriter out(expectedSize(state, copyNames));

    for (int i = 0; i < count; ++i)
        out.line("alias track", i + 1, " \"mp3 play ", trackFolder, copyNames[static_cast<std::size_t>(i)],
                 "; alias nexttracks nexttrack", i + 1, "; alias prevtrack prevtrack", i + 1, "\"");
    out.lineBreak();
    for (int i = 0; i < count; ++i)
        out.line("alias lptrack", i + 1, " \"mp3 loop ", trackFolder, copyNames[static_cast<std::size_t>(i)],
                 "; alias nexttracks nexttrack", i + 1, "; alias prevtrack prevtrack", i + 1, "\"");
    out.lineBreak();
    for (int i = 0; i < count; ++i) {
        const int n = loopVars(static_cast<std::int16_t>(i), indexmax, 2);
        out.line("alias nexttrack", i + 1, " \"alias looptrack lptrack", n, "; alias playtrack track", n,
                 "; alias saytrack saytrack", n, "; alias tsaytrack tsaytrack", n,
                 "; echo Jukewright: next track; playtrack;\"");
    }
    out.lineBreak();
    for (int i = 0; i < count; ++i) {
        const int p = loopVarsNeg(static_cast<std::int16_t>(i), indexmax, 1);
        out.line("alias prevtrack", i + 1, " \"alias looptrack lptrack", p, "; alias playtrack track", p,
                 "; playtrack; alias saytrack saytrack", p, "; alias tsaytrack tsaytrack", p,
                 "; echo Jukewright: previous track;\"");
    }
    out.lineBreak();
    out.line("alias looptrack \"lptrack1\"");
    out.line("alias playtrack \"track1\"");
    out.line("alias nexttracks \"nexttrack1\"");
    out.line("alias prevtrack \"prevtrack1\"");
    out.lineBreak();
    volumeLadder(out, "vol", "mp3volume", "mp3volup", "mp3voldown");
    out.lineBreak();
    volumeLadder(out, "gvol", "volume", "gvolup", "gvoldown");
    out.lineBreak();
    out.line("vol", int{state.Mp3Volume});
    out.line("gvol", int{state.GameVolume});
    out.lineBreak();
    for (int i = 0; i < count; ++i) {
        const std::string& name = names.chat[static_cast<std::size_t>(i)];
        out.line("alias saytrack", i + 1, " \"say listening to ", name, " with Jukewright;spamwait\"");
        out.line("alias tsaytrack", i + 1, " \"say_team listening to ", name, " with Jukewright;spamwait\"");
    }
    out.line("alias saytrack saytrack1");
    out.line("alias tsaytrack tsaytrack1");
    out.lineBreak();
    out.line("alias spamwait \"wait");
    for (int i = 1; i < 25; ++i)
        out.raw(";wait");
    out.raw("\"");
    out.lineBreak();
    out.lineBreak();
    out.raw(ScriptLoadedNotice);
    return out.take();
}

std::string scriptFileBytes(const AppState& state, const ScriptNames& names, std::string_view trackFolder) {
    std::string bytes = toSystemCodePage(BuildScriptText(state, names, trackFolder));
    bytes += "\r\n";
    return bytes;
}

} // namespace jukewright
