#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/KeyButton.h"
#include "app/NumberRowLabel.h"
#include "localization/Localization.h"
#include "support/MemoryKeyValueStore.h"
#include "units/SelectedUnits.h"
#include "units/UnitCatalogue.h"
#include "units/UnitCatalogueBuilder.h"
#include "units/UnitPairRestore.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace ratio {
namespace {

std::optional<std::string> catalogueLongName(std::size_t category, std::size_t unit) {
    return unitCatalogue()[category].unitDefinitions[unit].longName;
}

// A main screen over a fresh store, in British English with "." and ",".
class MainScreenTest : public ::testing::Test {
  protected:
    MainScreenTest() : delegate(store, KeptRatesDocument(folder.path()), QLocale("en_GB")) {
        Localization::preferredLanguagesSource = [] { return std::vector<std::string>{"en-GB"}; };
        buildUnitCatalogue();
        OperatorMode::shared().setModeEnum(Mode::None);
    }

    CalculatorViewController& screen() {
        if (!main) {
            main = std::make_unique<CalculatorViewController>(delegate);
            main->resize(390, 844);
        }
        return *main;
    }

    void click(KeyButton* key) { QTest::mouseClick(key, Qt::LeftButton); }
    void type(const QString& keys) {
        for (QChar c : keys)
            QTest::keyClick(&screen(), c.toLatin1());
    }
    QString row0() { return screen().Number0Label->text(); }
    QString row1() { return screen().Number1Label->text(); }

    QTemporaryDir folder;
    testing::MemoryKeyValueStore store;
    AppDelegate delegate;
    std::unique_ptr<CalculatorViewController> main;
};

TEST_F(MainScreenTest, StartsInConverterModeWithTheDefaultPairStored) {
    EXPECT_EQ(row0(), "0 mile");
    EXPECT_EQ(row1(), "0 km");
    EXPECT_EQ(screen().ConverterButton->text(), QString::fromUtf8("\u2192 km"));
    EXPECT_EQ(store.value("unit1").text(), catalogueLongName(1, 1));
    EXPECT_EQ(store.value("APP_OPENED_COUNT").integer(), 1);
}

TEST_F(MainScreenTest, KeysOfTheKeypadDriveBothRows) {
    click(screen().Button2);
    EXPECT_EQ(row0(), "2 mile");
    EXPECT_EQ(row1(), "3.218688 km");
    click(screen().AdditionButton);
    EXPECT_EQ(screen().AdditionButton->backgroundColor(), QColor(Qt::white)); // lit
    click(screen().Button3);
    click(screen().EqualButton);
    EXPECT_EQ(row0(), "5 mile");
    EXPECT_NE(screen().AdditionButton->backgroundColor(), QColor(Qt::white));
}

TEST_F(MainScreenTest, ModeSwitchesAreIdempotentAndKeepTheSuffixRight) {
    type("1234");
    click(screen().CalculatorButton);
    click(screen().CalculatorButton);
    EXPECT_EQ(row0(), "1,234");
    EXPECT_TRUE(screen().Number1Label->isHidden());
    click(screen().ConverterButton);
    click(screen().ConverterButton);
    EXPECT_EQ(row0(), "1,234 mile");
}

TEST_F(MainScreenTest, SwappingTwiceRestoresEverything) {
    type("7+");
    const QString before0 = row0(), before1 = row1();
    click(screen().SwitchButton);
    EXPECT_EQ(row0(), before1);
    EXPECT_EQ(screen().ConverterButton->text(), QString::fromUtf8("\u2192 mile"));
    EXPECT_EQ(OperatorMode::shared().modeEnum(), Mode::None);
    click(screen().SwitchButton);
    EXPECT_EQ(row0(), before0);
    EXPECT_EQ(row1(), before1);
    EXPECT_EQ(store.value("unit0").text(), catalogueLongName(1, 0));
}

TEST_F(MainScreenTest, HardwareKeysBackspaceAndCopy) {
    type("12.5");
    EXPECT_EQ(row0(), "12.5 mile");
    QTest::keyClick(&screen(), Qt::Key_Backspace);
    EXPECT_EQ(row0(), "0 mile");
    type("3");
    QTest::keyClick(&screen(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), row1());
}

TEST_F(MainScreenTest, EqualsBlinksTheNumbers) {
    type("2*3");
    click(screen().EqualButton);
    EXPECT_EQ(screen().Number0Label->textColor(), screen().Number0Label->backgroundColor());
    QTest::qWait(120);
    EXPECT_EQ(screen().Number0Label->textColor(), QColor(Qt::white));
}

TEST_F(MainScreenTest, DivisionByZeroShowsTheAlert) {
    type("5/0=");
    auto* alert = screen().findChild<QWidget*>("DivisionByZeroAlert");
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(row0(), "0 mile");
}

TEST_F(MainScreenTest, FourThousandDigitsStayExactAndWrap) {
    for (int i = 0; i < 4000; ++i)
        screen().calculator.enterDigit(9);
    EXPECT_EQ(screen().Number0Label->text().count(u'9'), 4000);
    EXPECT_GT(screen().Number0Label->lineCount(), 1);
}

// The Chinese fēn, lí and háo are both lengths and areas.
TEST(UnitPairRestore, NamesSharedByTwoCategoriesComeBackInTheCategoryOfThePair) {
    UnitCatalogue catalogue;
    const Localization localization({"en-GB"});
    buildUnitCatalogue(catalogue, localization.strings(), localization.language,
                       Localization::sharedBritishStrings());
    const auto& lengths = catalogue[1].unitDefinitions;
    const auto fen = std::find_if(lengths.begin(), lengths.end(), [](const UnitDefinition& unit) {
        return unit.longName.find("f\u0113n") != std::string::npos;
    });
    ASSERT_NE(fen, lengths.end());
    const auto pair = findStoredPair(catalogue, fen->longName, lengths[0].longName);
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->unit0.category, 1u);
    EXPECT_EQ(pair->unit1.category, 1u);
    EXPECT_FALSE(findStoredPair(catalogue, lengths[0].longName, lengths[0].longName));
    EXPECT_FALSE(findStoredPair(catalogue, lengths[0].longName, "no such unit"));
    EXPECT_FALSE(
        findStoredPair(catalogue, lengths[0].longName, catalogue[2].unitDefinitions[0].longName));
}

} // namespace
} // namespace ratio
