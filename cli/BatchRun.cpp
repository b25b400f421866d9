#include "cli/BatchRun.h"

#include <istream>
#include <ostream>
#include <string>

namespace ratio {

namespace {

constexpr std::size_t flushSize = 64 * 1024;

// The three fields of a line, or false when it has another number of tabs.
bool splitFields(std::string_view line, std::string_view (&fields)[3]) {
    std::size_t field = 0, start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\t')
            continue;
        if (field == 2)
            return false;
        fields[field++] = line.substr(start, i - start);
        start = i + 1;
    }
    if (field != 2)
        return false;
    fields[2] = line.substr(start);
    return true;
}

void write(std::ostream& output, std::string& buffer) {
    output.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    buffer.clear();
}

} // namespace

bool BatchRun::run(LineConverter& converter, std::istream& input, std::ostream& output,
                   std::ostream& errors, bool interactive) {
    bool allConverted = true;
    std::string line, buffer, problem;
    buffer.reserve(flushSize + 4096);
    for (unsigned long long number = 1; std::getline(input, line); ++number) {
        std::string_view text = line;
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        std::string_view fields[3];
        const std::size_t mark = buffer.size();
        bool converted = false;
        if (!splitFields(text, fields))
            problem = "expected VALUE<TAB>FROM<TAB>TO";
        else
            converted = converter.convertLine(fields[0], fields[1], fields[2], buffer, problem);
        if (converted) {
            buffer += '\n';
        } else {
            buffer.resize(mark);
            write(output, buffer); // results before the message stay before it
            output.flush();
            errors << "ratio-cli: line " << number << ": " << problem << '\n';
            allConverted = false;
        }
        if (interactive || buffer.size() >= flushSize) {
            write(output, buffer);
            if (interactive)
                output.flush();
        }
    }
    write(output, buffer);
    output.flush();
    return allConverted;
}

} // namespace ratio
