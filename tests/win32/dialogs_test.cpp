#include "core/window/check_design.h"
#include "support/fixtures.h"
#include "support/recording_dialogs.h"
#include "win32/dialogs/about_dialog.h"
#include "win32/dialogs/browse_dialog.h"
#include "win32/dialogs/check_dialog.h"
#include "win32/dialogs/options_dialog.h"
#include "win32/kit/wide_text.h"
#include "win32/kit/window_class.h"
#include "win32/kit/window_text.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace jukewright::win32 {
namespace {

// Runs one step per tick of a timer while a modal window's own loop runs. A step posts its clicks and
// keys, so they go through the loop's dialog navigation as the person's would, and the loop has handled
// them before the next step. A window still open well after the last step is closed, and the test fails.
class ModalSteps {
public:
    using Step = std::function<void()>;

    ModalSteps(std::function<HWND()> window, std::vector<Step> steps)
        : m_window(std::move(window)), m_steps(std::move(steps)) {
        s_running = this;
        m_timer = SetTimer(nullptr, 0, 10, tick);
    }
    ~ModalSteps() {
        KillTimer(nullptr, m_timer);
        s_running = nullptr;
    }
    ModalSteps(const ModalSteps&) = delete;
    ModalSteps& operator=(const ModalSteps&) = delete;

private:
    static constexpr std::size_t SparePasses = 200;

    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalSteps* self = s_running;
        if (!self)
            return;
        if (self->m_next < self->m_steps.size()) {
            self->m_steps[self->m_next++]();
        } else if (++self->m_spare == SparePasses && self->m_window()) {
            ADD_FAILURE() << "the window was still open after its last step";
            DestroyWindow(self->m_window());
        }
    }

    static inline ModalSteps* s_running = nullptr;
    std::function<HWND()> m_window;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    std::size_t m_spare = 0;
    UINT_PTR m_timer = 0;
};

HWND child(HWND window, const char* name) {
    HWND found = findControl(window, name);
    EXPECT_TRUE(found) << name;
    return found;
}

void postKey(HWND target, UINT key) {
    SetFocus(target);
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void postClick(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void typeAtEnd(HWND box, char character) {
    const int end = GetWindowTextLengthW(box);
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, end, end);
    PostMessageW(box, WM_CHAR, static_cast<WPARAM>(character), 1);
}

std::vector<std::string> listRows(HWND list) {
    std::vector<std::string> rows;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
        text.resize(
            static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
        rows.push_back(utf8(text));
    }
    return rows;
}

class DialogsTest : public testing::Test {
protected:
    void SetUp() override {
        m_owner = CreateWindowExW(0, L"STATIC", L"Jukewright", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    }
    void TearDown() override { DestroyWindow(m_owner); }

    HWND m_owner = nullptr;
};

// Each way out of the options: what the boxes show, what is stored, and whether the dialog stays.
TEST_F(DialogsTest, OptionsStoreTheVolumesBeforeTheDialogGoesOn) {
    struct Row {
        const char* way;
        const char* control; // clicked, or given the key
        UINT key;
        bool kept;
        bool stays;
    };
    const std::vector<Row> rows = {
        {"Apply stores and stays", "cmdApply", 0, true, true},
        {"Ok stores and hides", "cmdOk", 0, true, false},
        {"Enter is Ok", "txtGameVol", VK_RETURN, true, false},
        {"Cancel restores and hides", "cmdCancel", 0, false, false},
        {"Esc is Cancel", "txtMP3Vol", VK_ESCAPE, false, false},
        {"Enter on Cancel is Cancel", "cmdCancel", VK_RETURN, false, false},
    };
    for (const Row& row : rows) {
        AppState state;
        int saves = 0;
        frmOptions options(
            state, [&saves] { ++saves; }, m_owner);
        const auto box = [&options](const char* name) { return child(options.window(), name); };
        const ModalSteps steps([&options] { return options.window(); },
                               {[&] {
                                    setWindowText(box("txtMP3Vol"), "35");
                                    typeAtEnd(box("txtMP3Vol"), '1'); // 351 is out of range
                                    setWindowText(box("txtGameVol"), "90");
                                },
                                [&] {
                                    EXPECT_EQ(windowText(box("txtMP3Vol")), "35") << row.way;
                                    if (row.key)
                                        postKey(box(row.control), row.key);
                                    else
                                        postClick(box(row.control));
                                },
                                [&] {
                                    EXPECT_EQ(IsWindowVisible(options.window()) != FALSE, row.stays) << row.way;
                                    EXPECT_EQ(windowText(box("txtMP3Vol")), row.kept ? "35" : "80") << row.way;
                                    // The close box ends the dialog that stays, without applying.
                                    if (row.stays)
                                        PostMessageW(options.window(), WM_CLOSE, 0, 0);
                                }});
        options.exec();
        EXPECT_EQ(state.Mp3Volume, row.kept ? 35 : 80) << row.way;
        EXPECT_EQ(state.GameVolume, row.kept ? 90 : 80) << row.way;
        EXPECT_EQ(saves, row.kept ? 1 : 0) << row.way;
        // Hidden, not destroyed, unless the close box ended it.
        EXPECT_EQ(options.window() != nullptr, !row.stays) << row.way;
        EXPECT_TRUE(IsWindowEnabled(m_owner)) << row.way;
    }
}

// Selecting a folder does not open it, Enter in the list does; a drive that cannot be read keeps the
// path; Ok (Enter in the path box) puts the path into the mod-folder box, Esc changes nothing; both keep
// the folder for the next showing, the close box starts afresh.
TEST_F(DialogsTest, TheBrowserOpensFoldersAndFillsTheBoxOnOkOnly) {
    test::TempFolder temp;
    std::filesystem::create_directories(temp.path() / "Beta");
    std::filesystem::create_directories(temp.path() / "alpha");
    const std::string start = test::nativeText(temp.str()), beta = start + "\\Beta";
    const std::string drive = start.substr(0, 3);
    std::vector<std::string> modFolderBox;
    test::FakeDialogs dialogs;
    frmBrowse browse([&modFolderBox](const std::string& text) { modFolderBox.push_back(text); }, dialogs,
                     {start, start, {drive, "Q:\\"}, {}}, m_owner);
    const auto control = [&browse](const char* name) { return child(browse.window(), name); };
    const auto run = [&](std::vector<ModalSteps::Step> steps) {
        const ModalSteps modal([&browse] { return browse.window(); }, std::move(steps));
        browse.exec();
    };

    run({[&] {
             EXPECT_EQ(windowText(control("txtPath")), start);
             const std::vector<std::string> rows = listRows(control("dirBrowse"));
             ASSERT_GE(rows.size(), 3u);
             EXPECT_EQ(std::vector<std::string>(rows.end() - 2, rows.end()),
                       (std::vector<std::string>{"alpha", "Beta"}));
             SendMessageW(control("dirBrowse"), LB_SETCURSEL, rows.size() - 1, 0);
             postKey(control("dirBrowse"), VK_RETURN);
         },
         [&] {
             EXPECT_EQ(windowText(control("txtPath")), beta);
             EXPECT_TRUE(IsWindowVisible(browse.window())); // Enter in the list opens, it does not confirm
             postKey(control("Drive1"), VK_DOWN);           // to Q:, which is not there
         },
         [&] {
             EXPECT_EQ(windowText(control("txtPath")), beta);
             EXPECT_EQ(SendMessageW(control("Drive1"), CB_GETCURSEL, 0, 0), 0);
             postKey(control("txtPath"), VK_RETURN);
         }});
    EXPECT_EQ(modFolderBox, std::vector<std::string>{beta});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("This folder could not be opened:\nQ:\\", 0), 0u);

    run({[&] {
        EXPECT_EQ(windowText(control("txtPath")), beta);
        setWindowText(control("txtPath"), "typed");
        postKey(control("txtPath"), VK_ESCAPE);
    }});
    EXPECT_EQ(modFolderBox.size(), 1u);
    run({[&] { PostMessageW(browse.window(), WM_CLOSE, 0, 0); }});
    EXPECT_EQ(browse.window(), nullptr);
    run({[&] {
        EXPECT_EQ(windowText(control("txtPath")), start);
        postKey(control("cmdCancel"), VK_RETURN);
    }});
    EXPECT_EQ(modFolderBox.size(), 1u);
}

TEST_F(DialogsTest, TheDriveListHoldsTheSystemsDrives) {
    const std::vector<std::string> roots = BrowsePlaces::ofThisSystem().roots;
    EXPECT_NE(std::find(roots.begin(), roots.end(), "C:\\"), roots.end());
}

// Esc is the about window's close box: the roll stops and the window goes.
TEST_F(DialogsTest, AboutRollsTheShippedCreditsUntilEsc) {
    frmAbout about(std::string(JUKEWRIGHT_DATA_DIR) + "\\credits.txt", m_owner);
    bool rolled = false;
    const ModalSteps steps([&about] { return about.window(); }, {[&] {
                               rolled = about.isRolling();
                               about.timCredits_Timer();
                               EXPECT_EQ(windowText(child(about.window(), "lblPosition")) + "|" +
                                             windowText(child(about.window(), "lblName")),
                                         "Programming|The Jukewright maintainers");
                               postKey(about.window(), VK_ESCAPE);
                           }});
    about.exec();
    EXPECT_TRUE(rolled);
    EXPECT_FALSE(about.isRolling());
    EXPECT_EQ(about.window(), nullptr);
}

TEST_F(DialogsTest, CheckShowsEachResultAndEndsOnEachKey) {
    const std::vector<CheckResult> results = {{"hook", CheckSeverity::Ok, "userconfig.cfg runs mp3.cfg."},
                                              {"tracks", CheckSeverity::Problem, "mp3s\\a.mp3 is missing."}};
    for (const auto& [control, key] : {std::pair{"cmdClose", 0u}, {"lstResults", VK_RETURN}, {"cmdClose", VK_ESCAPE}}) {
        frmCheck check("C:/games/cstrike", results, m_owner);
        const ModalSteps steps(
            [&check] { return check.window(); }, {[&, control = control, key = key] {
                EXPECT_EQ(listRows(child(check.window(), "lstResults")),
                          (std::vector<std::string>{checkResultRow(results[0]), checkResultRow(results[1])}));
                EXPECT_EQ(windowText(child(check.window(), "lblFolder")), "The jukebox of C:\\games\\cstrike");
                if (key)
                    postKey(child(check.window(), control), key);
                else
                    postClick(child(check.window(), control));
            }});
        check.exec();
        EXPECT_EQ(check.window(), nullptr) << control << " " << key;
    }
}

} // namespace
} // namespace jukewright::win32
