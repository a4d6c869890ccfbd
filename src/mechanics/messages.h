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

// Shown for a satellite's height below the ground, and for a vibration's
// amplitude or period that is not above zero.
inline constexpr std::string_view INPUT_ERROR_MESSAGE = "输入错误，请重新输入。";

// Shown when the graph picture could not be written.
inline std::string save_failed_message()
{
    return two_line_message("保存失败！", "请检查文件名、文件夹和写入权限。");
}

} // namespace mechanics
