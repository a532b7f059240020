#ifndef _WIN32
#include "core/settings/settings_location.h"
#include "support/fixtures.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace jukewright {
namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const std::optional<std::string>& value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~EnvironmentValue() {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(SettingsLocationTest, ConfigurationFolderIsCreatedWithBothFilesInIt) {
    const test::TempFolder home;
    const struct {
        std::optional<std::string> xdgConfigHome;
        std::string folder;
    } rows[] = {
        {home.str() + "/xdg", home.str() + "/xdg/jukewright"},
        {std::nullopt, home.str() + "/.config/jukewright"},
        {"", home.str() + "/.config/jukewright"},
        {"relative/config", home.str() + "/.config/jukewright"},
    };
    const EnvironmentValue homeValue("HOME", home.str());
    for (const auto& row : rows) {
        const EnvironmentValue xdg("XDG_CONFIG_HOME", row.xdgConfigHome);
        const SettingsLocation location = settingsLocation();
        EXPECT_EQ(location.settingsFile, row.folder + "/settings.jst") << row.xdgConfigHome.value_or("(unset)");
        EXPECT_EQ(location.preferencesFile, row.folder + "/preferences.ini");
        EXPECT_TRUE(std::filesystem::is_directory(row.folder));
    }
}

} // namespace
} // namespace jukewright
#endif
