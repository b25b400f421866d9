#include "app/AppCommandLine.h"

#include <array>
#include <ostream>
#include <string_view>

#ifndef RATIO_VERSION
#define RATIO_VERSION "0"
#endif

namespace ratio {

namespace {

// Options that QGuiApplication and QApplication take, with or without a value.
constexpr std::array qtOptionsWithValue{"platform",
                                        "platformpluginpath",
                                        "platformtheme",
                                        "plugin",
                                        "qwindowgeometry",
                                        "qwindowicon",
                                        "qwindowtitle",
                                        "style",
                                        "stylesheet",
                                        "session",
                                        "geometry",
                                        "title",
                                        "icon",
                                        "display",
                                        "name",
                                        "visual",
                                        "ncols",
                                        "cmap"};
// "-qmljsdebugger=..." carries its value after "=".
constexpr std::array qtFlags{"reverse",     "nograb",      "dograb",       "sync",
                             "widgetcount", "testability", "qmljsdebugger"};

constexpr std::string_view helpText =
    "Usage: ratio [OPTION]...\n"
    "An exact calculator and unit converter in one small window.\n"
    "\n"
    "  -h, --help       show this help and exit\n"
    "  -v, --version    show the version and exit\n"
    "\n"
    "Qt's own options (-platform NAME, -style NAME, -reverse, ...) work as in\n"
    "every Qt program. The language and the number format follow the locale\n"
    "(LANGUAGE, LC_ALL, LANG); RATIO_RATES_URL moves the address of the daily\n"
    "rate document.\n"
    "\n"
    "Settings are kept in ~/.config/Ratio/Ratio.conf, the last rate document in\n"
    "~/.local/share/Ratio/Ratio/kept-rates. See ratio(1) and ratio-cli(1).\n";

bool contains(const auto& names, std::string_view name) {
    for (std::string_view known : names)
        if (known == name)
            return true;
    return false;
}

// "-style", "--style" and "-style=fusion" all name "style".
std::string_view optionName(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

} // namespace

AppCommandLine AppCommandLine::parse(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help")
            return {Action::Help, {}};
        if (argument == "-v" || argument == "--version")
            return {Action::Version, {}};
        const bool isOption = argument.size() > 1 && argument.front() == '-';
        const std::string_view name = isOption ? optionName(argument) : std::string_view();
        if (isOption && contains(qtFlags, name))
            continue;
        if (isOption && contains(qtOptionsWithValue, name)) {
            if (argument.find('=') == std::string_view::npos)
                ++i; // the value follows
            continue;
        }
        return {Action::Error, (isOption ? "unknown option '" : "unexpected argument '") +
                                   std::string(argument) + "'"};
    }
    return {};
}

int AppCommandLine::answer(std::ostream& output, std::ostream& errors) const {
    switch (action) {
    case Action::Help:
        output << helpText;
        return 0;
    case Action::Version:
        output << "ratio " RATIO_VERSION "\n";
        return 0;
    case Action::Error:
        errors << "ratio: " << error << "\nTry 'ratio --help'.\n";
        return 2;
    case Action::Run:
        break;
    }
    return 0;
}

} // namespace ratio
