#include "widgets/Prompts.h"

#include "state/FileChooserState.h"
#include "widgets/QtText.h"

namespace isobra {

std::optional<QString> AskFile(Prompts& prompts, FileChooserState& chooser, const FileRequest& request) {
    chooser.cancelled = false;
    chooser.chosenPattern = 0;
    prompts.ChooseFile(request, chooser);
    if (chooser.cancelled) return std::nullopt;
    return ToQ(chooser.chosenPath);
}

}  // namespace isobra
