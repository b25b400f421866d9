// The built ratio program started as a user starts it, in a fresh home that
// reaches no network: typing writes nothing on standard output, and without
// a display it says so in one line.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace ratio {
namespace {

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
