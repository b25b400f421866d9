#include "cli/HistoryCommand.h"

#include "cli/CliApplication.h"

#include <ostream>

namespace ratio {

int HistoryCommand::print(const HistoryFile& file, std::ostream& output) {
    // The file's own lines, which are the fields tab-separated; its header aside.
    const std::string text = HistoryTape::write(file.load());
    output << std::string_view(text).substr(text.find('\n') + 1);
    return ExitSuccess;
}

int HistoryCommand::clear(const HistoryFile& file, std::ostream& errors) {
    if (file.clear())
        return ExitSuccess;
    errors << "ratio-cli: cannot write the history " << file.filePath().toStdString() << '\n';
    return ExitFailed;
}

} // namespace ratio
