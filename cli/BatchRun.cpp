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

// Written at once, and flushed, so a person sees it before typing on.
void write(std::ostream& output, std::string& buffer) {
    output.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    output.flush();
    buffer.clear();
}

bool isBlankOrComment(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

} // namespace

bool BatchRun::run(LineConverter& converter, std::istream& input, std::ostream& output,
                   std::ostream& errors, bool interactive) {
    bool allConverted = true;
    std::string line, buffer, problem, message;
    buffer.reserve(flushSize + 4096);
    for (unsigned long long number = 1; output && std::getline(input, line); ++number) {
        std::string_view text = line;
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        std::string_view fields[3];
        const std::size_t mark = buffer.size();
        if (!isBlankOrComment(text)) {
            bool converted = false;
            if (!splitFields(text, fields))
                problem = "expected VALUE<TAB>FROM<TAB>TO";
            else
                converted = converter.convertLine(fields[0], fields[1], fields[2], buffer, problem);
            if (!converted) {
                buffer.resize(mark);
                message.assign("ratio-cli: line ").append(std::to_string(number));
                message.append(": ").append(problem).append("\n");
                if (interactive) // what the person typed before stays before the message
                    write(output, buffer);
                errors.write(message.data(), static_cast<std::streamsize>(message.size()));
                allConverted = false;
            }
        }
        buffer += '\n';
        if (interactive || buffer.size() >= flushSize)
            write(output, buffer);
    }
    write(output, buffer);
    output.flush();
    return allConverted;
}

} // namespace ratio
