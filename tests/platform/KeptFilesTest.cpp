// The user's files: settings that keep their kinds and survive damage and held
// saves, and a history that writers share at once and that damage never loses.
#include "platform/HistoryFile.h"
#include "platform/QSettingsStore.h"

#include "support/CoreApplication.h"
#include "support/SampleRates.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <thread>

namespace ratio {
namespace {

using testing::fileBytes;

class QSettingsStoreTest : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    int files = 0;

    QString newPath() { return folder.filePath(QStringLiteral("settings%1.ini").arg(++files)); }

    QString fileWith(const QByteArray& content) {
        const QString path = newPath();
        EXPECT_TRUE(testing::writeFile(path, content));
        return path;
    }

    // QSettings shares parsed files within a process, so a second store on the
    // same path may never read the disk; a copy at a new path must.
    QString copyOf(const QString& path) {
        const QString copy = newPath();
        EXPECT_TRUE(QFile::copy(path, copy));
        return copy;
    }
};

TEST_F(QSettingsStoreTest, ValuesKeepTheirKindAcrossARestart) {
    // clang-format off
    const std::pair<std::string, StoredValue> cases[] = {
        {"unit0", StoredValue::ofText("12")}, // a long name that looks like a number
        {"t1", StoredValue::ofText("'quoted'")}, {"t2", StoredValue::ofText("")},
        {"t3", StoredValue::ofText("Pa\u0308\u00df \u2192 \u65e5, \"a=b\"; #c @d")},
        {"t4", StoredValue::ofText(" 5")},
        {"i1", StoredValue::ofInteger(std::numeric_limits<long long>::min())},
        {"i2", StoredValue::ofInteger(std::numeric_limits<long long>::max())},
    };
    // clang-format on
    const QString path = newPath();
    {
        QSettingsStore first(path);
        for (const auto& [key, value] : cases)
            value.isText() ? first.setText(key, *value.text())
                           : first.setInteger(key, *value.integer());
    }
    const QSettingsStore fromDisk(copyOf(path));
    for (const auto& [key, value] : cases)
        EXPECT_EQ(fromDisk.value(key), value) << key;
}

// Files left by an older run, edited by hand or damaged: read as far as they
// can be, and left as they were until the first write, which keeps what was read.
TEST_F(QSettingsStoreTest, ReadsWhatAFileSaysAndLeavesItUntilAWrite) {
    const std::pair<QByteArray, StoredValue> cases[] = {
        {"k=+3", StoredValue::ofText("+3")},
        {"k=99999999999999999999", StoredValue::ofText("99999999999999999999")},
        {"k=Foot, Bar", StoredValue::other()}, // a list
        {"k=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\aQPixmap\\0)", StoredValue()},
        {"k=@Variant(\\0\\0\\0\\x4\\0\\0\\0\\0\\0\\0\\0\\x5)", StoredValue::ofInteger(5)},
        {"unit0=Mile (mi)\nk=7\nAPP_OPENED_CO", StoredValue::ofInteger(7)}, // cut short
        {"\x01\x02 junk\n===\n\xff\xfe\nk=Foot (ft)\n=x\n\x80\x7f[[[\xc3",
         StoredValue::ofText("Foot (ft)")},
    };
    for (const auto& [content, expected] : cases) {
        const QString path = fileWith(content + "\n");
        EXPECT_EQ(QSettingsStore(path).value("k"), expected) << content.left(40).toStdString();
        EXPECT_EQ(fileBytes(path), content + "\n");
    }
    const QString path = fileWith("unit0=Foot (ft)\n\x01[[[ nonsense\nk=7\n\xff\xfe");
    QSettingsStore(path).setText("unit1", "Inch (in)");
    const QSettingsStore store(copyOf(path));
    EXPECT_EQ(store.value("unit0"), StoredValue::ofText("Foot (ft)"));
    EXPECT_EQ(store.value("unit1"), StoredValue::ofText("Inch (in)"));
    EXPECT_EQ(store.value("k"), StoredValue::ofInteger(7));
}

// A folder that is a file: a settings write is lost quietly, a history write
// fails, and neither damages the file.
TEST_F(QSettingsStoreTest, WritesUnderAnUnwritableFolderFailSoundly) {
    const QString blocker = fileWith("not a folder");
    QSettingsStore(blocker + "/settings.ini").setText("unit0", "Mile (mi)");
    EXPECT_TRUE(QSettingsStore(blocker + "/settings.ini").value("unit0").isAbsent());
    const HistoryFile history(blocker + "/data");
    EXPECT_FALSE(history.append({{"t", "1 + 0", "1", "", {}}}));
    EXPECT_FALSE(history.clear());
    EXPECT_TRUE(history.load().empty());
    EXPECT_EQ(fileBytes(blocker), "not a folder");
}

// The start holds QSettings' scheduled save until its first frame is up; a
// held write reaches the disk on resuming or when the store goes away.
TEST_F(QSettingsStoreTest, AHeldSaveWaitsAndIsNeverLost) {
    testing::ensureCoreApplication();
    const auto onDisk = [this](const QString& path) { return QSettingsStore(copyOf(path)); };
    const QString resumed = newPath();
    const QString dropped = newPath();
    {
        QSettingsStore store(resumed);
        store.holdSaving();
        store.setInteger("APP_OPENED_COUNT", 1);
        QCoreApplication::processEvents(); // where QSettings would save on its own
        EXPECT_FALSE(QFile::exists(resumed));
        store.resumeSaving();
        EXPECT_EQ(onDisk(resumed).value("APP_OPENED_COUNT"), StoredValue::ofInteger(1));
        // Held no more: the next write goes out on QSettings' own schedule.
        store.setText("unit0", "Foot (ft)");
        QCoreApplication::processEvents();
        EXPECT_EQ(onDisk(resumed).value("unit0"), StoredValue::ofText("Foot (ft)"));

        QSettingsStore neverResumed(dropped);
        neverResumed.holdSaving();
        neverResumed.setText("unit1", "Inch (in)");
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(onDisk(dropped).value("unit1"), StoredValue::ofText("Inch (in)"));
}

HistoryEntry calculation(const std::string& text) {
    return {"2026-12-05T14:03:09+01:00", text, "1", "", {}};
}

TEST(HistoryFile, TwoWritersAtOnceLoseNoEntry) {
    QTemporaryDir folder;
    const auto write = [&](const std::string& writer) {
        const HistoryFile file(folder.path()); // each its own, as two processes
        for (int i = 0; i < 40; ++i)
            ASSERT_TRUE(file.append({calculation(writer + std::to_string(i))}));
    };
    std::thread first(write, "a"), second(write, "b");
    first.join();
    second.join();
    EXPECT_EQ(HistoryFile(folder.path()).load().size(), 80u);
}

TEST(HistoryFile, ADamagedFileIsSetAsideAndTheHistoryStartsEmpty) {
    const QByteArray damaged[] = {"ratio-history 1\ncut sh", "not a history", QByteArray(1, '\0')};
    for (const QByteArray& content : damaged) {
        QTemporaryDir folder;
        const HistoryFile file(folder.path());
        ASSERT_TRUE(testing::writeFile(file.filePath(), content));
        EXPECT_TRUE(file.load().empty());
        EXPECT_FALSE(QFile::exists(file.filePath()));
        const QStringList aside = QDir(folder.path()).entryList({"history.damaged-*"});
        ASSERT_EQ(aside.size(), 1);
        // Set aside whole, not overwritten.
        EXPECT_EQ(fileBytes(QDir(folder.path()).filePath(aside.front())), content);
        ASSERT_TRUE(file.append({calculation("1 + 0")}));
        EXPECT_EQ(file.load().size(), 1u);
    }
}

} // namespace
} // namespace ratio
