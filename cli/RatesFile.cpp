#include "cli/RatesFile.h"

#include "units/CurrencyRates.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ratio {

namespace {

// Closes the descriptor on every path out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    const int fd;
};

std::string systemError() {
    return std::strerror(errno);
}

} // namespace

std::variant<QByteArray, std::string> RatesFile::read(const std::string& path) {
    // Non-blocking, so opening a pipe without a writer returns at once; the
    // type is then checked on what was opened, not on the name.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0)
        return systemError();
    struct stat status {};
    if (::fstat(file.fd, &status) != 0)
        return systemError();
    if (!S_ISREG(status.st_mode))
        return std::string("not a regular file");
    if (static_cast<unsigned long long>(status.st_size) > maximumRatesDocumentSize)
        return std::string("larger than 1 MiB");
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return systemError();
        if (got == 0)
            return bytes;
        bytes.append(buffer, got);
        if (bytes.size() > qsizetype(maximumRatesDocumentSize)) // it grew while we read
            return std::string("larger than 1 MiB");
    }
}

} // namespace ratio
