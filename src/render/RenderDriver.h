#pragma once

#include "render/RenderOptions.h"

namespace isobra {

// Exit statuses of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;  // a file could not be read, computed or written
inline constexpr int kExitUsage = 2;

// For --help and wrong use: prints the usage (to stdout or, with the
// problem, to stderr) and returns the exit status.
int ReportCommandLine(const CommandLine& line);

// Renders every input and writes its outputs, each input all or nothing;
// prints what failed (and, with --out-dir, a progress count on a terminal
// and a closing count) and returns the exit status. Needs the Qt
// application for the fonts.
int RunRender(const RenderOptions& options);

}  // namespace isobra
