#pragma once

#include <string>

namespace isobra {

// The tool's lines on stderr: "isobra-render: FILE:LINE: text", the line
// left out when it is 0, and the file left out when it is empty.
std::string ToolMessage(const std::string& file, int line, const std::string& text);
inline std::string ToolMessage(const std::string& text) { return ToolMessage({}, 0, text); }

}  // namespace isobra
