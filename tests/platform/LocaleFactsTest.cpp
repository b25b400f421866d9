// The preferred languages a locale hands to the language choice, as tags that
// carry the script where the language needs one.
#include "platform/LocaleFacts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace ratio {
namespace {

// The lists Qt gives for the system locale start with a tag without script
// (LANG=zh_TW.UTF-8 gives "zh-TW", "zh-Hant-TW"); LANGUAGE may list several.
TEST(LocaleFacts, TagsGainOrLoseTheScriptAndStayInOrder) {
    using Tags = std::vector<std::string>;
    // clang-format off
    const std::pair<QStringList, Tags> cases[] = {
        {{"zh-TW", "zh-Hant-TW"}, {"zh-Hant-TW"}}, {{"zh-HK", "zh-Hant-HK"}, {"zh-Hant-HK"}},
        {{"zh-MO"}, {"zh-Hant-MO"}}, {{"zh-SG"}, {"zh-Hans-SG"}},
        {{"zh-CN", "zh-Hans-CN", "zh"}, {"zh-Hans-CN", "zh-Hans"}},
        {{"zh-Hant-CN"}, {"zh-Hant-CN"}}, // a script given is kept
        {{"en-US", "en-Latn-US", "en"}, {"en-US", "en"}},
        {{"zh-TW", "zh-Hant-TW", "de", "de-Latn-DE", "de-DE"}, {"zh-Hant-TW", "de", "de-DE"}},
        {{"sr-RS", "sr-Latn-ME"}, {"sr-Cyrl-RS", "sr-Latn-ME"}},
        // What Qt cannot read passes as it is.
        {{"C", "iw", "xx-YY", "", "zh_TW"}, {"C", "iw", "xx-YY", "", "zh_TW"}},
        {{}, {}},
    };
    // clang-format on
    for (const auto& [uiLanguages, expected] : cases)
        EXPECT_EQ(LocaleFacts::preferredLanguageTags(uiLanguages), expected)
            << uiLanguages.join(' ').toStdString();
}

} // namespace
} // namespace ratio
