// The texts of the program's messages (UTF-8). A two-line message is its first
// line, CR LF, and its second line.
#pragma once

#include <string>
#include <string_view>

namespace mechanics {

inline std::string two_line_message(std::string_view first, std::string_view second)
{
    std::string text(first);
    text += "\r\n";
    text += second;
    return text;
}

} // namespace mechanics
