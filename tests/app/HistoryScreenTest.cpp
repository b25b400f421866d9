// The history screen over a window's recorded keys: kept across a restart,
// put back exactly, cleared only when confirmed.
#include "MainScreenFixture.h"

#include "app/HistoryViewController.h"
#include "platform/HistoryWriter.h"

#include <QListView>
#include <QMessageBox>

namespace ratio {
namespace {

// The screen's rows as shown, headings as "#".
QStringList rowsOf(HistoryViewController& history) {
    QStringList rows;
    const QAbstractItemModel& model = *history.EntryList->model();
    for (int row = 0; row < model.rowCount(); ++row)
        rows << (history.entryAt(row) ? model.index(row, 0).data().toString() : QString("#"));
    return rows;
}

HistoryViewController* openHistory(MainScreen& window) {
    QTest::keyClick(&window.screen(), Qt::Key_H, Qt::ControlModifier);
    auto* history = qobject_cast<HistoryViewController*>(window.stack().top());
    if (history)
        QApplication::processEvents(); // its list laid out, so rows can be tapped
    return history;
}

class HistoryScreenTest : public PickingTest {};

TEST_F(HistoryScreenTest, EntriesOfAWindowAreShownAfterARestartNewestFirst) {
    QTemporaryDir data;
    {
        MainScreen first(&store, data.path());
        first.launch();
        first.press("12*3=C3W1/7=");
        first.screen().model.leaveNumber(); // the app closes
    }
    MainScreen second(&store, data.path());
    second.launch();
    second.screen().show();
    HistoryViewController* history = openHistory(second);
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(rowsOf(*history),
              QStringList({"#", "0.14285714 km = 0.08876731 mile", "1 ÷ 7 = 0.14285714",
                           "3 mile = 4.828032 km", "36 mile = 57.936384 km", "12 × 3 = 36"}));
    EXPECT_EQ(history->EntryList->accessibleName(), "History");
}

TEST_F(HistoryScreenTest, ATappedEntryComesBackWithEveryDigitAndClearAsksFirst) {
    press("1/7=CK2/3=VW"); // the pair is now km to mile
    HistoryViewController* history = openHistory(*this);
    ASSERT_NE(history, nullptr);
    // Newest first: the swap's 2/3 mile, 2 ÷ 3, then 1/7 mile in km.
    const QRect row = history->EntryList->visualRect(history->EntryList->model()->index(3, 0));
    QTest::mouseClick(history->EntryList->viewport(), Qt::LeftButton, {}, row.center());
    ASSERT_TRUE(waitUntilClosed());
    EXPECT_EQ(screen().calculator.Number0, *BDouble::fromExactText("1/7"));
    EXPECT_EQ(row0(), "0.14285714 mile");
    EXPECT_EQ(row1(), "0.22990629 km");
    history = openHistory(*this);
    ASSERT_NE(history, nullptr);
    history->reuseEntry(2); // 2 ÷ 3
    ASSERT_TRUE(waitUntilClosed());
    press("*3=");
    EXPECT_EQ(row0(), "2 mile"); // not 2.00000001: the exact 2/3 came back

    // Clearing asks first; an empty history says so.
    history = openHistory(*this);
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->EmptyLabel->isHidden());
    const std::size_t entries = delegate.history().entries().size();
    for (const bool confirmed : {false, true}) {
        QMessageBox* question = history->clearPushed();
        EXPECT_EQ(question->text(), "Clear the whole history? This cannot be undone.");
        const auto role = confirmed ? QMessageBox::DestructiveRole : QMessageBox::RejectRole;
        for (QAbstractButton* button : question->buttons())
            if (question->buttonRole(button) == role)
                button->click();
        EXPECT_EQ(history->EmptyLabel->isVisible(), confirmed);
        EXPECT_EQ(delegate.history().entries().size(), confirmed ? 0u : entries);
    }
    EXPECT_EQ(history->EmptyLabel->text(), "No history yet");
    EXPECT_FALSE(history->ClearButton->isEnabled());
}

} // namespace
} // namespace ratio
