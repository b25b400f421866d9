// The history's file: shared by writers at once, and never lost to damage.
#include "platform/HistoryFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace ratio {
namespace {

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
    const HistoryEntries entries = HistoryFile(folder.path()).load();
    ASSERT_EQ(entries.size(), 80u);
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                            [](const HistoryEntry& e) { return e.calculation[0] == 'a'; }),
              40);
    EXPECT_TRUE(HistoryFile(folder.path()).clear());
    EXPECT_TRUE(HistoryFile(folder.path()).load().empty());
}

TEST(HistoryFile, ADamagedFileIsSetAsideAndTheHistoryStartsEmpty) {
    const QByteArray damaged[] = {"ratio-history 1\ncut sh", "not a history", QByteArray(1, '\0')};
    for (const QByteArray& content : damaged) {
        QTemporaryDir folder;
        const HistoryFile file(folder.path());
        QFile written(file.filePath());
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(content);
        written.close();
        EXPECT_TRUE(file.load().empty());
        EXPECT_FALSE(QFile::exists(file.filePath()));
        const QStringList aside = QDir(folder.path()).entryList({"history.damaged-*"});
        ASSERT_EQ(aside.size(), 1);
        QFile kept(QDir(folder.path()).filePath(aside.front()));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), content); // set aside whole, not overwritten
        ASSERT_TRUE(file.append({calculation("1 + 0")}));
        EXPECT_EQ(file.load().size(), 1u);
    }
}

TEST(HistoryFile, AnUnwritableFolderFailsSoundly) {
    QTemporaryDir folder;
    const QString blocker = folder.filePath("blocker");
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));
    const HistoryFile file(blocker + "/data");
    EXPECT_FALSE(file.append({calculation("1 + 0")}));
    EXPECT_FALSE(file.clear());
    EXPECT_TRUE(file.load().empty());
}

} // namespace
} // namespace ratio
