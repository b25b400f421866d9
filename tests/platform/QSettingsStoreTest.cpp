#include "platform/QSettingsStore.h"
#include "units/LastSelection.h"
#include "units/LaunchCounter.h"
#include "units/SelectedUnits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace ratio {
namespace {

class QSettingsStoreTest : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    int files = 0;

    QString newPath() { return folder.filePath(QStringLiteral("settings%1.ini").arg(++files)); }

    QString fileWith(const QByteArray& content) {
        const QString path = newPath();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // QSettings shares parsed files within a process, so a second store on the
    // same path may never read the disk; a copy at a new path must.
    std::unique_ptr<QSettingsStore> restartedFrom(const QString& path) {
        const QString copy = newPath();
        EXPECT_TRUE(QFile::copy(path, copy));
        return std::make_unique<QSettingsStore>(copy);
    }
};

TEST_F(QSettingsStoreTest, ValuesKeepTheirKindAcrossARestart) {
    constexpr long long minimum = std::numeric_limits<long long>::min();
    constexpr long long maximum = std::numeric_limits<long long>::max();
    const struct Case {
        std::string key;
        StoredValue value;
    } cases[] = {
        {"unit0", StoredValue::ofText("Mile (mi)")},
        {"unit1", StoredValue::ofText("12")}, // a name that looks like a number
        {"t1", StoredValue::ofText("-0")},
        {"t2", StoredValue::ofText("'quoted'")},
        {"t3", StoredValue::ofText("''")},
        {"t4", StoredValue::ofText("")},
        {"t5", StoredValue::ofText("Pa\u0308\u00df \u2192 \u65e5, \"a=b\"; #c @d")},
        {"t6", StoredValue::ofText("@Variant(x)")},
        {"t7", StoredValue::ofText("99999999999999999999")},
        {"t8", StoredValue::ofText(" 5")},
        {"APP_OPENED_COUNT", StoredValue::ofInteger(3)},
        {"i1", StoredValue::ofInteger(0)},
        {"i2", StoredValue::ofInteger(-5)},
        {"i3", StoredValue::ofInteger(minimum)},
        {"i4", StoredValue::ofInteger(maximum)},
    };
    const QString path = newPath();
    {
        QSettingsStore first(path);
        for (const auto& c : cases) {
            if (c.value.isText())
                first.setText(c.key, *c.value.text());
            else
                first.setInteger(c.key, *c.value.integer());
        }
    }
    QSettingsStore samePath(path);
    const auto fromDisk = restartedFrom(path);
    for (const auto& c : cases) {
        EXPECT_EQ(samePath.value(c.key), c.value) << c.key;
        EXPECT_EQ(fromDisk->value(c.key), c.value) << c.key;
    }
    EXPECT_TRUE(fromDisk->value("never written").isAbsent());
}

TEST_F(QSettingsStoreTest, TwoLaunchesOfTheApplication) {
    const QString path = newPath();
    {
        QSettingsStore store(path);
        SelectedUnits units;
        incrementLaunchCount(store);
        units.storeSelectedUnits("Mile (mi)", "mi", "Kilometre (km)", "km", store, nullptr);
        ensureLaunchCount(store);
        LastSelection{1, 7}.write(store);
    }
    const auto store = restartedFrom(path);
    incrementLaunchCount(*store);
    EXPECT_EQ(store->value(launchCountKey), StoredValue::ofInteger(2));
    EXPECT_EQ(StoredUnit0().storedValue(*store), "Mile (mi)");
    EXPECT_EQ(StoredUnit1().storedValue(*store), "Kilometre (km)");
    EXPECT_EQ(LastSelection::read(*store), (LastSelection{1, 7}));
}

// Files left by an older run or edited by hand.
TEST_F(QSettingsStoreTest, ReadsWhatAFileSays) {
    const struct Case {
        const char* line;
        StoredValue expected;
    } cases[] = {
        {"k=3", StoredValue::ofInteger(3)},
        {"k=-12", StoredValue::ofInteger(-12)},
        {"k='3", StoredValue::ofText("3")},
        {"k=''x", StoredValue::ofText("'x")},
        {"k=+3", StoredValue::ofText("+3")},
        {"k=3.5", StoredValue::ofText("3.5")},
        {"k=99999999999999999999", StoredValue::ofText("99999999999999999999")},
        {"k=\"Foot, Bar\"", StoredValue::ofText("Foot, Bar")},
        {"k=", StoredValue::ofText("")},
        {"k=Foot, Bar", StoredValue::other()}, // a list
        {"k=@ByteArray(x)", StoredValue::other()},
        {"k=@Point(1 2)", StoredValue::other()},
        {"k=@Invalid()", StoredValue()},
        {"k=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\aQPixmap\\0)", StoredValue()},
        {"k=@Variant(\\0\\0\\0\\x4\\0\\0\\0\\0\\0\\0\\0\\x5)", StoredValue::ofInteger(5)},
        {"other=1", StoredValue()},
    };
    for (const auto& c : cases) {
        const QSettingsStore store(fileWith(QByteArray(c.line) + "\n"));
        EXPECT_EQ(store.value("k"), c.expected) << c.line;
    }
}

QByteArray randomBytes(int count) {
    std::mt19937 generator(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(static_cast<char>(byte(generator)));
    return bytes;
}

TEST_F(QSettingsStoreTest, CorruptFilesGiveWhatIsReadableAndDefaults) {
    const struct Case {
        const char* name;
        QByteArray content;
        std::optional<std::string> unit0;
        LastSelection selection;
        long long countAfterLaunch;
    } cases[] = {
        {"random bytes", randomBytes(4096), std::nullopt, {}, 1},
        {"empty", QByteArray(), std::nullopt, {}, 1},
        {"truncated",
         "[General]\nunit0=Mile (mi)\nlastSelectedRow=7\nAPP_OPENED_CO",
         "Mile (mi)",
         {0, 7},
         1},
        {"cut inside a quote", "lastSelectedSection=2\nunit0=\"Mile", "Mile", {2, 0}, 1},
        {"garbage around",
         QByteArray("\x01\x02 junk\n===\n\xff\xfe\nunit0=Foot (ft)\nAPP_OPENED_COUNT=4\n=x\n") +
             randomBytes(512),
         "Foot (ft)",
         {},
         5},
        {"wrong kinds",
         "unit0=3\nlastSelectedSection=abc\nlastSelectedRow=@ByteArray(1)\n"
         "APP_OPENED_COUNT=many\n",
         std::nullopt,
         {},
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = fileWith(c.content);
        QSettingsStore store(path);
        EXPECT_EQ(StoredUnit0().storedValue(store), c.unit0);
        EXPECT_EQ(LastSelection::read(store), c.selection);
        incrementLaunchCount(store);
        ensureLaunchCount(store);
        EXPECT_EQ(store.value(launchCountKey), StoredValue::ofInteger(c.countAfterLaunch));
    }
}

TEST_F(QSettingsStoreTest, ReadingACorruptFileLeavesItAsItWas) {
    const QByteArray content = "unit0=Foot (ft)\n\x01[[[ nonsense\n" + randomBytes(256);
    const QString path = fileWith(content);
    {
        const QSettingsStore store(path);
        for (const char* key : {"unit0", "unit1", "lastSelectedRow", "APP_OPENED_COUNT"})
            (void)store.value(key);
    }
    EXPECT_EQ(contentOf(path), content);
}

TEST_F(QSettingsStoreTest, FirstWriteToACorruptFileKeepsWhatWasReadable) {
    const QString path = fileWith("unit0=Foot (ft)\n\x01\x02\x03 nonsense\nlastSelectedRow=7\n");
    {
        QSettingsStore store(path);
        store.setText("unit1", "Inch (in)");
    }
    const auto store = restartedFrom(path);
    EXPECT_EQ(store->value("unit0"), StoredValue::ofText("Foot (ft)"));
    EXPECT_EQ(store->value("unit1"), StoredValue::ofText("Inch (in)"));
    EXPECT_EQ(LastSelection::read(*store), (LastSelection{0, 7}));
}

TEST_F(QSettingsStoreTest, UnusablePathsGiveDefaultsAndSwallowWrites) {
    const QString blocker = fileWith("not a folder");
    const QString paths[] = {folder.path(), blocker + QStringLiteral("/settings.ini")};
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        {
            QSettingsStore store(path);
            EXPECT_TRUE(store.value("unit0").isAbsent());
            EXPECT_EQ(LastSelection::read(store), LastSelection{});
            SelectedUnits().storeSelectedUnits("Mile (mi)", "mi", "Foot (ft)", "ft", store,
                                               nullptr);
            incrementLaunchCount(store);
            ensureLaunchCount(store);
        }
        const QSettingsStore later(path);
        EXPECT_TRUE(later.value("unit0").isAbsent());
        EXPECT_TRUE(later.value(launchCountKey).isAbsent());
    }
    EXPECT_EQ(contentOf(blocker), "not a folder");
}

TEST_F(QSettingsStoreTest, EmptyKeyIsNeverStored) {
    const QString path = newPath();
    {
        QSettingsStore store(path);
        store.setText("", "x");
        store.setInteger("", 1);
        EXPECT_TRUE(store.value("").isAbsent());
    }
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
} // namespace ratio
