#include "support/ScriptedPrompts.h"

#include "app/FrmOpenSave.h"

namespace isobra::test {

std::optional<FileChoice> ScriptedPrompts::RunChooser(const FileRequest& request, const ChooserScript& script) {
    FrmOpenSave dialog(*this);
    dialog.Prepare(request);
    dialog.show();
    script(dialog);
    if (dialog.isVisible()) dialog.PressCancel();
    return dialog.choice();
}

}  // namespace isobra::test
