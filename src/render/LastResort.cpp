#include "render/LastResort.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "render/RenderDriver.h"
#include "render/RenderMessages.h"

namespace isobra {

namespace {

void Stopped(const std::string& what) {
    std::fprintf(stderr, "%s\n", ToolMessage("予期しないエラーで止まりました（" + what + "）。").c_str());
}

}  // namespace

int RunWithLastResort(const std::function<int()>& body) {
    // An exception that nothing can catch (thrown through noexcept) still
    // ends with a message and status 1, not an abort.
    std::set_terminate([] {
        Stopped("terminate");
        std::_Exit(kExitBadInput);
    });
    try {
        return body();
    } catch (const std::exception& e) {
        Stopped(e.what());
    } catch (...) {
        Stopped("unknown exception");
    }
    return kExitBadInput;
}

}  // namespace isobra
