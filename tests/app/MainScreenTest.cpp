#include "MainScreenFixture.h"
#include "engine/BDouble.h"
#include "units/SelectedUnits.h"
#include "units/UnitPairRestore.h"

#include <QClipboard>
#include <QGuiApplication>

namespace ratio {
namespace {

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

// A key on a number of 100,000 digits is handled at once, and nothing is lost.
TEST_F(MainScreenTest, AHundredThousandDigitNumberTakesTheNextKey) {
    screen().calculator.Number0 = *BDouble::fromText(std::string(100000, '9'));
    QTest::keyClick(&screen(), '7');
    const QString text = row0();
    EXPECT_EQ(text.count(u'9'), 100000);
    EXPECT_TRUE(text.endsWith(",997 mile"));
    EXPECT_GT(screen().Number0Label->lineCount(), 100);
    EXPECT_TRUE(row1().endsWith(" km"));
    QTest::keyClick(&screen(), Qt::Key_Backspace);
    EXPECT_EQ(row0(), "0 mile");
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
