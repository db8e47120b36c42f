// What the stand-in takes from the environment: the data-set file and the
// per-user application folder. Both arrive in UTF-8 here.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "services/CodePage.h"
#include "standin/StandinCore.h"

std::optional<std::string> EnvironmentUtf8(const char* name) {
#ifdef _WIN32
    std::wstring wideName(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = _wgetenv(wideName.c_str());
    if (!value || !*value) return std::nullopt;
    std::u8string utf8 = std::filesystem::path(value).u8string();
    return std::string(utf8.begin(), utf8.end());
#else
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return std::string(value);
#endif
}

std::optional<std::string> DefaultAppDataFolder() {
#ifdef _WIN32
    auto base = EnvironmentUtf8("APPDATA");
    if (!base) return std::nullopt;
    std::string folder = *base + "\\Varnoke\\";
#else
    // XDG: a relative XDG_DATA_HOME is to be ignored.
    auto base = EnvironmentUtf8("XDG_DATA_HOME");
    if (!base || (*base)[0] != '/') {
        auto home = EnvironmentUtf8("HOME");
        if (!home) return std::nullopt;
        base = *home + (home->back() == '/' ? "" : "/") + ".local/share";
    }
    std::string folder = *base + (base->back() == '/' ? "" : "/") + "varnoke/";
#endif
    return Utf8ToSjis(folder);
}
