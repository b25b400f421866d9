// A batch of any length runs in flat memory: the peak resident size of a
// million-line run, read from the finished process, is that of a short run.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

extern char** environ;

namespace ratio {
namespace {

// Peak resident kilobytes of ratio-cli --batch on `lines` lines, or -1.
long peakKilobytes(const QTemporaryDir& folder, int lines, int& status) {
    const std::string input = folder.filePath("lines.txt").toStdString();
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        const char* pairs[] = {"mile\tkm\r\n", "degC\tdegF\n", "kg\tlb\n", "m^2\tsqmi\n"};
        for (int i = 0; i < lines; ++i)
            out << i << ".5e-1\t" << pairs[i % 4];
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string arguments[] = {RATIO_CLI_PATH, "--locale", "en_GB",
                               "--language",   "en-GB",    "--batch"};
    char* argv[] = {arguments[0].data(),
                    arguments[1].data(),
                    arguments[2].data(),
                    arguments[3].data(),
                    arguments[4].data(),
                    arguments[5].data(),
                    nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, RATIO_CLI_PATH, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return -1;
    return usage.ru_maxrss;
}

TEST(CliBatchMemory, AMillionLinesNeedNoMoreMemoryThanAThousand) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer holds freed memory back; the plain build measures this";
#endif
    QTemporaryDir folder;
    int shortStatus = -1, longStatus = -1;
    const long shortRun = peakKilobytes(folder, 1000, shortStatus);
    const long longRun = peakKilobytes(folder, 1000000, longStatus);
    ASSERT_GT(shortRun, 0);
    ASSERT_GT(longRun, 0);
    EXPECT_TRUE(WIFEXITED(shortStatus) && WEXITSTATUS(shortStatus) == 0);
    EXPECT_TRUE(WIFEXITED(longStatus) && WEXITSTATUS(longStatus) == 0);
    EXPECT_LT(longRun - shortRun, 4 * 1024) << shortRun << " kB against " << longRun << " kB";
}

} // namespace
} // namespace ratio
