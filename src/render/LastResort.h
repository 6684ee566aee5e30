#pragma once

#include <functional>

namespace isobra {

// Runs the tool's body and returns its exit status. Whatever it throws
// (nothing should) becomes one message on stderr and exit status 1 instead
// of an abort; files not yet committed are removed as the stack unwinds,
// and nothing else on disk is touched.
int RunWithLastResort(const std::function<int()>& body);

}  // namespace isobra
