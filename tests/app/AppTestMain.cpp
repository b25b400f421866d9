#include "localization/Localization.h"

#include <QApplication>

#include <gtest/gtest.h>

// The screens need a QApplication; the offscreen platform gives them one
// without a display. RATIO_TEST_LANGUAGES (e.g. "ar") chooses the process's
// language once, before any test; without it the tests run in British English.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString languages = qEnvironmentVariable("RATIO_TEST_LANGUAGES");
    if (!languages.isEmpty()) {
        ratio::Localization::preferredLanguagesSource = [languages] {
            std::vector<std::string> list;
            for (const QString& language : languages.split(u','))
                list.push_back(language.toStdString());
            return list;
        };
        (void)ratio::Localization::shared();
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
