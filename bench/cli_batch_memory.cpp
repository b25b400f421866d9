// ratio-cli --batch's peak memory against hostile input: lines whose FROM is
// a distinct unknown name of 1 MB, piped into the real process, whose peak
// resident size the kernel reports when it ends (ru_maxrss). A batch of many
// such names should peak about where a batch of one does. With --good the
// lines are short ones that convert, whose output must stream rather than
// pile up: a million of them should peak about where a thousand do.
//   cli_batch_memory [NAME_COUNT...]           (default: 1 10000)
//   cli_batch_memory --good [LINE_COUNT...]    (default: 1000 1000000)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr std::size_t nameBytes = 1 << 20;

bool writeAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The peak resident size of ratio-cli, in KiB, after a batch of `count`
// lines "1<TAB>name<TAB>km", each name distinct, or with `good` of `count`
// lines "i.5<TAB>mile<TAB>km"; -1 when it could not run.
long peakKibFor(long count, bool good) {
    int toChild[2];
    if (pipe(toChild) != 0)
        return -1;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, toChild[0], 0);
    posix_spawn_file_actions_addclose(&files, toChild[1]);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(RATIO_CLI_PATH),
                    const_cast<char*>("--locale"),
                    const_cast<char*>("en_GB"),
                    const_cast<char*>("--language"),
                    const_cast<char*>("en-GB"),
                    const_cast<char*>("--batch"),
                    nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, RATIO_CLI_PATH, &files, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    close(toChild[0]);
    if (spawned != 0) {
        close(toChild[1]);
        return -1;
    }
    std::string line = "1\t" + std::string(nameBytes, 'q') + "\tkm\n";
    std::string lines; // good lines, written 64 KiB at a time
    bool written = true;
    for (long i = 0; i < count && written; ++i) {
        const std::string tag = std::to_string(i); // makes each name distinct
        if (!good) {
            line.replace(2, tag.size(), tag);
            written = writeAll(toChild[1], line);
        } else if ((lines += tag + ".5\tmile\tkm\n").size() > 65536 || i + 1 == count) {
            written = writeAll(toChild[1], lines);
            lines.clear();
        }
    }
    close(toChild[1]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !written)
        return -1;
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool good = argc > 1 && std::string(argv[1]) == "--good";
    std::vector<long> counts;
    for (int i = good ? 2 : 1; i < argc; ++i)
        counts.push_back(std::strtol(argv[i], nullptr, 10));
    if (counts.empty())
        counts = good ? std::vector<long>{1000, 1000000} : std::vector<long>{1, 10000};
    long first = 0;
    std::printf("%10s %14s %8s\n", good ? "lines" : "names", "peak RSS KiB", "x first");
    for (long count : counts) {
        const long peak = peakKibFor(count, good);
        if (peak < 0) {
            std::fprintf(stderr, "cli_batch_memory: ratio-cli did not run to the end\n");
            return 1;
        }
        if (first == 0)
            first = peak;
        std::printf("%10ld %14ld %8.2f\n", count, peak,
                    static_cast<double>(peak) / static_cast<double>(first));
        std::fflush(stdout);
    }
    return 0;
}
