// Unit names drawn right to left: which runs are isolated, and that the
// lists, the long-name labels and the converter key draw them in order.
#include "app/UnitNameDirection.h"
#include "DrawnText.h"
#include "MainScreenFixture.h"

#include "app/HistoryViewController.h"

#include "app/ShareSheet.h"
#include "units/SelectedUnits.h"

#include <QClipboard>

namespace ratio {
namespace {

// "<" and ">" stand for the start and the end of a left-to-right isolate.
QString marked(const char* text) {
    return QString::fromUtf8(text).replace(u'<', QChar(0x2066)).replace(u'>', QChar(0x2069));
}

TEST(UnitNameDirection, IsolatesTheLeftToRightRunsOfRightToLeftNames) {
    const struct {
        const char* name;
        const char* shown;
    } cases[] = {
        // Brackets inside brackets stay together.
        {"قوة حصان مترية (hp(M))", "قوة حصان مترية <(hp(M))>"},
        // A slash between two names belongs to neither.
        {"بوصة / Inch (in)", "بوصة / <Inch (in)>"},
        // Han characters read left to right as well; the region's bracket is mirrored
        // with the Arabic it holds.
        {"[الصين] lǐ (市里)", "[الصين] <lǐ (市里)>"},
        // A bracket closed after right-to-left text stays outside; each run is isolated.
        {"غالون (US إمبراطوري)", "غالون (<US> إمبراطوري)"},
        {"طن (US) قصير (tn. sh.)", "طن <(US)> قصير <(tn. sh.)>"},
        // A name without right-to-left letters is one run.
        {"Yobibyte (YiB)", "<Yobibyte (YiB)>"},
        // Digits and symbols alone keep their order already.
        {"ملعقة كبيرة مترية (م.ك)", "ملعقة كبيرة مترية (م.ك)"},
        {"", ""},
    };
    for (const auto& row : cases) {
        const QString shown = unitNameForDirection(QString::fromUtf8(row.name), Qt::RightToLeft);
        EXPECT_EQ(shown, marked(row.shown)) << row.name;
        // Drawn twice (a header over its own row), a name is isolated once.
        EXPECT_EQ(unitNameForDirection(shown, Qt::RightToLeft), shown) << row.name;
        EXPECT_EQ(unitNameForDirection(QString::fromUtf8(row.name), Qt::LeftToRight),
                  QString::fromUtf8(row.name));
    }
}

// A name with its symbols in brackets as the reader sees it from the left,
// spaces left out: Arabic words (reversed, as drawn) follow the symbols in
// their own order, Latin words precede them.
std::string readFromLeft(const std::string& name) {
    const QString text = QString::fromStdString(name);
    const qsizetype bracket = text.indexOf(u'(');
    QString words = text.left(bracket).remove(u' ');
    const QString symbols = text.mid(bracket).remove(u' ');
    if (!words.isRightToLeft())
        return (words + symbols).toStdString();
    std::reverse(words.begin(), words.end());
    return (symbols + words).toStdString();
}

// The catalogue's unit whose long name ends in `symbols`.
CataloguePlace unitWithSymbol(const char* symbols) {
    return findUnit([&](const UnitDefinition& unit) { return unit.longName.ends_with(symbols); });
}

// A main screen in Arabic with rates, shown; the process must run in Arabic
// (tests/CMakeLists.txt runs this suite so).
class RightToLeft : public ::testing::Test, public MainScreen {
  protected:
    RightToLeft() : MainScreen("ar_EG") {}
    void SetUp() override {
        if (Localization::shared().language != Language::Arabic)
            GTEST_SKIP() << "needs RATIO_TEST_LANGUAGES=ar";
        delegate.didFinishLaunching();
        PresentationStack::slideDuration = 0;
        applyRates("<Cube currency='USD' rate='1.0854'/>\n", QDate(2026, 12, 4));
        screen().show();
        QApplication::processEvents();
    }
    ~RightToLeft() override {
        main.reset();
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }
};

// The long-name labels draw a name's symbols in their own order, on the
// right, also for a Latin name (its label's paragraph is right to left all
// the same); the list's rows too.
TEST_F(RightToLeft, ListRowsAndLongNameLabelsKeepTheOrderOfLatinSymbols) {
    for (const char* symbol : {"(€, EUR)", "(Imp.gal.)", "(°C)", "(YiB)"}) {
        const auto place = unitWithSymbol(symbol);
        ASSERT_NE(place.unit, nullptr) << symbol;
        const std::string name = place.unit->longName;
        main->setUnit0LongNameLabel(name);
        main->setUnit1LongNameLabel(name);
        // The label keeps the plain name: it is what the screen stores.
        EXPECT_EQ(main->Unit0LongNameLabel->text().toStdString(), name);
        for (QLabel* label : {main->Unit0LongNameLabel.data(), main->Unit1LongNameLabel.data()}) {
            const testing::DrawnText drawn(*label);
            EXPECT_EQ(drawn.leftToRight().toStdString(), readFromLeft(name)) << symbol;
            EXPECT_GT(drawn.rightEdge(), label->width() * 0.9) << symbol;
        }
    }
    UnitsViewController* screen = openSelection();
    ASSERT_NE(screen, nullptr);
    const auto euro = unitWithSymbol("(€, EUR)");
    ASSERT_EQ(screen->CategoriesWithAddedUnits[euro.section].unitDefinitions[0].longName,
              euro.unit->longName);
    const QRect rect = screen->TableView->rowRect(euro.section, 0);
    const testing::DrawnText drawn(*screen->TableView->viewport());
    EXPECT_EQ(drawn.leftToRight(rect.top(), rect.bottom()).toStdString(),
              readFromLeft(euro.unit->longName));
}

// The history mirrors its bar, and each quantity of an entry reads number first.
TEST_F(RightToLeft, HistoryMirrorsAndKeepsEachQuantityTogether) {
    press("3W");
    main->showHistory();
    auto* history = qobject_cast<HistoryViewController*>(stack().top());
    ASSERT_NE(history, nullptr);
    QApplication::processEvents();
    EXPECT_LT(history->ClearButton->x(), history->BackButton->x());
    const QRect row = history->EntryList->visualRect(history->EntryList->model()->index(1, 0));
    const testing::DrawnText drawn(*history->EntryList->viewport());
    const QString from(QString::fromStdString(main->model.shortName0())); // the swapped pair
    EXPECT_EQ(drawn.leftToRight(row.top(), row.bottom()),
              "4٫828032" + from + "=3" + QString::fromStdString(main->model.shortName1()));
}

// The sheet previews the row as the row reads; what it copies is the plain text.
TEST_F(RightToLeft, TheScreenMirrorsButKeypadSharePreviewAndSymbolsKeepTheirOrder) {
    for (const char* row : {"20 °C", "1.5 Imp.gal.", "3 oz."}) {
        ShareSheet sheet(QString::fromUtf8(row), main.get());
        sheet.resize(360, 300);
        auto* preview = sheet.findChild<QLabel*>();
        ASSERT_NE(preview, nullptr);
        const testing::DrawnText drawn(*preview);
        EXPECT_EQ(drawn.leftToRight().toStdString(), QString(row).remove(u' ').toStdString());
        EXPECT_GT(drawn.rightEdge(), preview->width() * 0.9) << row;
        QTest::mouseClick(sheet.findChild<QPushButton*>("CopyButton"), Qt::LeftButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), row);
    }
    // The screen is mirrored but its keypad is not; the converter key shows its
    // arrow before the symbol, and screen readers speak the language too.
    CalculatorViewController& screen = *main;
    EXPECT_EQ(screen.layoutDirection(), Qt::RightToLeft);
    EXPECT_LT(screen.Button7->x(), screen.Button9->x());
    EXPECT_LT(screen.ShareButton->mapTo(&screen, QPoint(0, 0)).x(), screen.width() / 2);
    for (const char* shortName : {"°C", "tn. sh."}) {
        screen.setConverterButtonTitle(SelectedUnits::converterButtonTitle(shortName));
        EXPECT_EQ(testing::DrawnText(*screen.ConverterButton).leftToRight().toStdString(),
                  "→" + QString(shortName).remove(u' ').toStdString());
    }
    EXPECT_EQ(screen.AdditionButton->accessibleName().toStdString(),
              Localization::shared().strings().Key_plus);
    EXPECT_NE(screen.AdditionButton->accessibleName(), QStringLiteral("plus"));
}

} // namespace
} // namespace ratio
