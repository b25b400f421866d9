// The ratio program's own ways in: its command line, read before any window
// exists, and the built program started as a user starts it, in a fresh home
// that reaches no network: typing writes nothing on standard output, and
// without a display it says so in one line.
#include "app/AppCommandLine.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

namespace ratio {
namespace {

using Action = AppCommandLine::Action;

AppCommandLine parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "ratio");
    return AppCommandLine::parse(static_cast<int>(arguments.size()), arguments.data());
}

// Help and version are answered on standard output; Qt's options, their
// values and both spellings pass through to Qt; anything else is a usage
// error, answered on standard error with status 2.
TEST(AppCommandLine, AnswersHelpAndVersionAndPassesQtOptionsThrough) {
    const struct {
        std::vector<const char*> arguments;
        Action action;
    } cases[] = {
        {{}, Action::Run},
        {{"-h"}, Action::Help},
        {{"--version"}, Action::Version},
        {{"-platform", "offscreen", "-reverse"}, Action::Run},
        {{"--style", "fusion", "-style=fusion"}, Action::Run},
        {{"-style", "--help"}, Action::Run}, // "--help" is the style's value
        {{"--helpme"}, Action::Error},
        {{"mile"}, Action::Error},
        {{"-reverse", "--bogus", "--help"}, Action::Error},
    };
    for (const auto& [arguments, action] : cases) {
        SCOPED_TRACE(arguments.empty() ? "" : arguments.front());
        EXPECT_EQ(parse(arguments).action, action);
    }

    std::ostringstream output, errors;
    EXPECT_EQ(parse({"--version"}).answer(output, errors), 0);
    EXPECT_EQ(output.str(), "ratio " RATIO_VERSION "\n");
    EXPECT_EQ(parse({"--help"}).answer(output, errors), 0);
    EXPECT_NE(output.str().find("Usage: ratio"), std::string::npos);
    EXPECT_TRUE(errors.str().empty());
    output.str("");
    EXPECT_EQ(parse({"--bogus"}).answer(output, errors), 2);
    EXPECT_TRUE(output.str().empty());
    EXPECT_EQ(errors.str(), "ratio: unknown option '--bogus'\nTry 'ratio --help'.\n");
}

struct Outcome {
    int status; // -1: it crashed or did not end
    QByteArray output, errors;
};

Outcome runRatio(const std::vector<std::pair<QString, QString>>& settings) {
    const QTemporaryDir home;
    QProcessEnvironment environment; // nothing of this session: no display
    environment.insert("PATH", "/usr/bin:/bin");
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("LANG", "en_GB.UTF-8");
    environment.insert("RATIO_RATES_URL", "http://127.0.0.1:9/rates.xml");
    for (const auto& [name, value] : settings)
        environment.insert(name, value);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(RATIO_APP_PATH, {});
    const bool ended = process.waitForFinished(60000);
    const bool normal = ended && process.exitStatus() == QProcess::NormalExit;
    return {normal ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

TEST(AppProcess, TypingWritesNothingOnStandardOutputAndNoDisplayIsOneLine) {
    const QTemporaryDir folder;
    const Outcome outcome = runRatio({{"QT_QPA_PLATFORM", "offscreen"},
                                      {"RATIO_SCREENSHOT", folder.filePath("window.png")},
                                      {"RATIO_SCREENSHOT_KEYS", "1.5"}});
    EXPECT_EQ(outcome.status, 0) << outcome.errors.toStdString();
    EXPECT_EQ(outcome.output.toStdString(), "");
    const Outcome headless = runRatio({{"QT_QPA_PLATFORM", "xcb"}});
    EXPECT_EQ(headless.status, 1);
    EXPECT_EQ(headless.errors.toStdString(),
              "ratio: no display was found; ratio-cli works without one\n");
}

} // namespace
} // namespace ratio
