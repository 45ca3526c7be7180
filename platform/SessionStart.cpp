#include "platform/SessionStart.h"

#include "platform/Files.h"
#include "platform/SystemErrorText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

std::string ConfigFolder() {
    const char* Config = std::getenv("XDG_CONFIG_HOME");
    if (Config != nullptr && Config[0] == '/') {
        return Config;
    }
    const char* Home = std::getenv("HOME");
    return std::string(Home != nullptr ? Home : "") + "/.config";
}

// A path as one argument of an Exec line: in double quotes, with '"', '`', '$' and '\'
// escaped by a backslash; then the line as a desktop entry's string value, whose backslashes
// are doubled, with '%' doubled so that it is not taken for a field code.
std::string ExecArgument(const std::string& Path) {
    std::string Quoted = "\"";
    for (const char Character : Path) {
        if (Character == '"' || Character == '`' || Character == '$' || Character == '\\') {
            Quoted += '\\';
        }
        Quoted += Character;
    }
    Quoted += '"';
    std::string Value;
    for (const char Character : Quoted) {
        if (Character == '\\' || Character == '%') {
            Value += Character;
        }
        Value += Character;
    }
    return Value;
}

} // namespace

std::string SessionStartEntryPath() {
    return ConfigFolder() + "/autostart/ruxa-calendar.desktop";
}

bool StartsWithSession() {
    return PathExists(SessionStartEntryPath());
}

std::string SessionStartEntryText(const std::string& Program) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=万年历\n"
           "Comment=随登录启动万年历，在托盘中等候提醒\n"
           "Exec=" +
           ExecArgument(Program) + " " + SessionStartArgument +
           "\n"
           "Icon=ruxa-calendar\n"
           "Terminal=false\n"
           "NoDisplay=true\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool WriteSessionStartEntry(const std::string& Program, std::string& Error) {
    const std::filesystem::path Entry = SessionStartEntryPath();
    std::error_code Made;
    std::filesystem::create_directories(Entry.parent_path(), Made);
    if (Made) {
        Error = "无法建立文件夹 " + Entry.parent_path().string() + "：" + Made.message();
        return false;
    }
    return WriteFileAtomically(Entry.string(), SessionStartEntryText(Program), Error);
}

bool RemoveSessionStartEntry(std::string& Error) {
    const std::string Entry = SessionStartEntryPath();
    if (std::remove(Entry.c_str()) != 0 && errno != ENOENT) {
        Error = "无法删除文件 " + Entry + "：" + SystemErrorText(errno);
        return false;
    }
    return true;
}

} // namespace platform
