// The app's command line, read before any window exists.
#include "app/AppCommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
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

} // namespace
} // namespace ratio
