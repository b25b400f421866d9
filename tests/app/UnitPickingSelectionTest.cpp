#include "UnitPickingFixture.h"

#include "localization/CountFormat.h"
#include "platform/KeyFeedback.h"

#include "units/LastSelection.h"
#include "units/SelectedUnits.h"
#include <QScrollBar>

namespace ratio::testing {
namespace {

constexpr int length = 1;
constexpr int mass = 2;

TEST_F(UnitPickingTest, TwoTapsInOneCategoryCompleteTheSelection) {
    QTest::keyClicks(main.get(), "12+3");
    UnitsViewController* screen = openSelection();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(status(screen), "Pick first unit");
    const auto& units = screen->CategoriesWithAddedUnits[length].unitDefinitions;
    ASSERT_GE(units.size(), 3u);
    tap(screen, length, 2);
    EXPECT_EQ(status(screen), qt(category(length).pickSecondUnit));
    tap(screen, length, 0);

    EXPECT_TRUE(sameChain(delegate.MetricsCalculations0, units[2].metricsCalculations));
    EXPECT_TRUE(sameChain(delegate.MetricsCalculations1, units[0].metricsCalculations));
    EXPECT_EQ(store.value("unit0").text(), units[2].longName);
    EXPECT_EQ(store.value("unit1").text(), units[0].longName);
    EXPECT_EQ(LastSelection::read(store), (LastSelection{length, 2}));
    EXPECT_EQ(main->ConverterButton->text(), qt("\u2192 " + units[0].shortName));
    EXPECT_EQ(main->Number0Label->text(), qt("0 " + units[2].shortName));
    EXPECT_EQ(main->Number1Label->text(), qt("0 " + units[0].shortName));
    EXPECT_EQ(OperatorMode::shared().modeEnum(), Mode::None);
    EXPECT_TRUE(waitUntilClosed());
    QTest::keyClicks(main.get(), "1"); // keys reach the main screen again
    EXPECT_EQ(main->Number0Label->text(), qt("1 " + units[2].shortName));
}

// Taps as (section, row); the state the screen is left in.
struct TapCase {
    const char* name;
    std::vector<std::pair<int, int>> taps;
    int waitingFor; // LastSelectedNumberIndex
    int section0, row0;
    int promptSection; // -1: the first-unit prompt
};

class TapSequences : public UnitPickingTest, public ::testing::WithParamInterface<TapCase> {};

TEST_P(TapSequences, LeaveTheScreenWaiting) {
    const TapCase& sequence = GetParam();
    UnitsViewController* screen = openSelection();
    for (auto [section, row] : sequence.taps)
        tap(screen, section, row);
    EXPECT_EQ(screen->LastSelectedNumberIndex, sequence.waitingFor);
    EXPECT_EQ(screen->SelectedSection0, sequence.section0);
    EXPECT_EQ(screen->SelectedRow0, sequence.row0);
    EXPECT_EQ(screen->SelectedSection1, -1);
    EXPECT_EQ(status(screen), sequence.promptSection < 0
                                  ? QString("Pick first unit")
                                  : qt(category(sequence.promptSection).pickSecondUnit));
    // Exactly the first unit is marked.
    UnitListModel& model = screen->listModel();
    for (int row = 0; row < model.rowCount(); ++row) {
        const UnitListModel::Entry* entry = model.entry(row);
        const bool first = entry->section == sequence.section0 && entry->row == sequence.row0;
        EXPECT_EQ(model.index(row).data(UnitListModel::MarkedRole).toBool(), first)
            << entry->text.toStdString();
    }
    EXPECT_EQ(stack().count(), 1);
    EXPECT_FALSE(store.value(lastSelectedSectionKey).integer());
}

INSTANTIATE_TEST_SUITE_P(
    UnitPicking, TapSequences,
    ::testing::Values(
        TapCase{"Fresh", {}, 1, -1, -1, -1},
        TapCase{"FirstUnitTwice", {{length, 1}, {length, 1}}, 1, -1, -1, -1},
        TapCase{"AnotherCategoryTakesOver", {{length, 1}, {mass, 0}}, 0, mass, 0, mass},
        TapCase{"AgainAfterClearing", {{length, 1}, {length, 1}, {mass, 1}}, 0, mass, 1, mass}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UnitPickingTest, MoreRowsCountTheHiddenUnitsAndUnderline) {
    UnitsViewController* screen = openSelection();
    UnitListModel& model = screen->listModel();
    for (int section : {0, length}) {
        const auto n = screen->CategoriesWithAddedUnits[section].unitDefinitions.size();
        const int row = model.flatRow(section, static_cast<int>(n));
        ASSERT_GE(row, 0);
        EXPECT_EQ(model.entry(row)->kind, UnitListModel::Kind::More);
        const long long hidden =
            static_cast<long long>(category(section).unitDefinitions.size() - n);
        EXPECT_EQ(model.entry(row)->text, qt(formatCount(category(section).additionalUnitsNumber,
                                                         hidden, Language::EnglishBritish)));
    }
    // No rates yet: the currency section is only its more row, "0 more currencies".
    EXPECT_EQ(model.entry(model.flatRow(0, 0))->text, "0 more currencies");
    EXPECT_EQ(model.entry(model.headerRow(length))->text, qt(category(length).nameSingle));
    EXPECT_EQ(model.index(model.headerRow(length)).data(Qt::AccessibleTextRole).toString(),
              qt(category(length).nameSingle));
}

// The more row keeps a first unit of its own category and drops one of another.
struct MoreCase {
    const char* name;
    int firstSection; // -1: no first unit
    bool keepsFirst;
};

class MoreRow : public UnitPickingTest, public ::testing::WithParamInterface<MoreCase> {};

TEST_P(MoreRow, OpensTheCategoryAndKeepsOrDropsTheFirstUnit) {
    const MoreCase& more = GetParam();
    UnitsViewController* screen = openSelection();
    if (more.firstSection >= 0)
        tap(screen, more.firstSection, 0);
    const int n = static_cast<int>(screen->CategoriesWithAddedUnits[length].unitDefinitions.size());
    tap(screen, length, n);
    AdditionalUnitsViewController* units = additional();
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units->Section, length);
    EXPECT_EQ(units->listModel().rowCount(),
              static_cast<int>(category(length).unitDefinitions.size()));
    EXPECT_EQ(screen->SelectedAdditionalSection, length);
    EXPECT_EQ(screen->LastSelectedNumberIndex, more.keepsFirst ? 0 : 1);
    EXPECT_EQ(screen->SelectedSection0, more.keepsFirst ? length : -1);
    EXPECT_EQ(status(units), more.keepsFirst ? qt(category(length).pickSecondUnit)
                                             : qt(category(length).pickFirstUnit));
    // The first unit is marked in the full list at its catalogue row.
    const int marked = more.keepsFirst ? units->catalogueRowForCompactRow(0, length) : -1;
    for (int row = 0; row < units->listModel().rowCount(); ++row)
        EXPECT_EQ(units->listModel().index(row).data(UnitListModel::MarkedRole).toBool(),
                  row == marked);
    EXPECT_EQ(units->BackButton->text(), "Back");
}

INSTANTIATE_TEST_SUITE_P(UnitPicking, MoreRow,
                         ::testing::Values(MoreCase{"NothingChosen", -1, false},
                                           MoreCase{"FirstOfThisCategory", length, true},
                                           MoreCase{"FirstOfAnotherCategory", mass, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UnitPickingTest, BackStoresNothingAndTheNextOpeningStartsAfresh) {
    const auto unit0 = store.value("unit0");
    const MetricsCalculations chain0 = delegate.MetricsCalculations0;
    UnitsViewController* screen = openSelection();
    EXPECT_EQ(screen->BackButton->text(), "Cancel");
    tap(screen, mass, 1);
    QTest::mouseClick(screen->BackButton, Qt::LeftButton);
    EXPECT_TRUE(waitUntilClosed());
    EXPECT_EQ(store.value("unit0"), unit0);
    EXPECT_TRUE(sameChain(delegate.MetricsCalculations0, chain0));
    EXPECT_FALSE(store.value(lastSelectedSectionKey).integer());
    screen = openSelection();
    EXPECT_EQ(screen->LastSelectedNumberIndex, 1);
    EXPECT_EQ(status(screen), "Pick first unit");
}

// Where the list opens for a remembered (section, row) of the first unit.
struct PositionCase {
    const char* name;
    int section, row;
    int shownSection, shownRow;
};

class RememberedPosition : public UnitPickingTest,
                           public ::testing::WithParamInterface<PositionCase> {};

TEST_P(RememberedPosition, OpensCentredOnItOrAtTheTop) {
    const PositionCase& position = GetParam();
    LastSelection{position.section, position.row}.write(store);
    UnitsViewController* screen = openSelection();
    UnitListView* list = screen->TableView;
    const UnitListModel::Entry* current = screen->listModel().entry(list->currentIndex().row());
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(std::pair(current->section, current->row),
              std::pair(position.shownSection, position.shownRow));
    const QRect rect = list->rowRect(position.shownSection, position.shownRow);
    ASSERT_FALSE(rect.isEmpty());
    const QScrollBar* bar = list->verticalScrollBar();
    if (bar->value() > bar->minimum() && bar->value() < bar->maximum()) { // ends cannot centre
        EXPECT_LE(std::abs(rect.center().y() - list->viewport()->height() / 2), rect.height());
    }
    EXPECT_EQ(delegate.LastSelectedSection0, position.shownSection);
}

INSTANTIATE_TEST_SUITE_P(UnitPicking, RememberedPosition,
                         ::testing::Values(PositionCase{"InsideTheList", 5, 4, 5, 4},
                                           PositionCase{"LastSection", 12, 1, 12, 1},
                                           PositionCase{"RowPastTheList", 9, 99, 0, 0},
                                           PositionCase{"SectionPastTheList", 40, 0, 0, 0},
                                           PositionCase{"SectionZeroIsAlwaysItsTop", 0, 5, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Two taps as the keyboard makes them: typing a name, arrows, Return and Space.
TEST_F(UnitPickingTest, KeyboardPicksWithTypingArrowsReturnAndSpace) {
    UnitsViewController* screen = openSelection();
    UnitListView* list = screen->TableView;
    const auto& lengths = screen->CategoriesWithAddedUnits[length].unitDefinitions;
    const QString start = qt(lengths[1].longName).left(4);
    QTest::keyClicks(list, start.toLower());
    const UnitListModel::Entry* current = screen->listModel().entry(list->currentIndex().row());
    ASSERT_NE(current, nullptr);
    EXPECT_TRUE(current->text.startsWith(start, Qt::CaseInsensitive));
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down); // past the length header
    current = screen->listModel().entry(list->currentIndex().row());
    EXPECT_EQ(std::pair(current->section, current->row), std::pair(length, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(screen->SelectedRow0, 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(store.value("unit1").text(), lengths[1].longName);
    EXPECT_TRUE(waitUntilClosed());
}

TEST_F(UnitPickingTest, EscapeGoesBackWithoutClearingTheCalculator) {
    QTest::keyClicks(main.get(), "42");
    UnitsViewController* screen = openSelection();
    tap(screen, length, 0);
    QTest::keyClick(screen->TableView, Qt::Key_Escape);
    EXPECT_TRUE(waitUntilClosed());
    EXPECT_TRUE(main->Number0Label->text().startsWith("42 "));
}

TEST_F(UnitPickingTest, EveryTapClicksLikeAKey) {
    int sounds = 0;
    KeyFeedback::soundHandler = [&sounds](int) { ++sounds; };
    UnitsViewController* screen = openSelection();
    tap(screen, length, 0);
    tap(screen, length, 0);
    QTest::keyClick(screen->TableView, Qt::Key_Return);
    KeyFeedback::soundHandler = nullptr;
    EXPECT_EQ(sounds, 4); // the unit key, two clicks and Return
}

} // namespace
} // namespace ratio::testing
