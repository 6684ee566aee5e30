#pragma once

#include <string>

namespace isobra {

// isobra-render --convert SRC: converts a plane set (SRC named "*.b1") or a
// sensor file (SRC named "forg.00?"), names compared case-blind, into the
// BMP beside it, as "画像読みこみ" does. Prints the BMP's path and gives 0;
// a refused source gives 1 after printing why, with no file left beside it.
int RunConvertCommand(const std::string& source);

}  // namespace isobra
