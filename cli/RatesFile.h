#pragma once

#include <QByteArray>

#include <string>
#include <variant>

namespace ratio {

// The bytes of a rate document named on the command line. Only a regular
// file is read: a named pipe or a device is refused at once instead of being
// waited on, and more than the document limit is never read.
struct RatesFile {
    // The bytes, or why the file cannot be read.
    static std::variant<QByteArray, std::string> read(const std::string& path);
};

} // namespace ratio
