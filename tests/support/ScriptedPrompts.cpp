#include "support/ScriptedPrompts.h"

#include "app/FrmOpenSave.h"

namespace isobra::test {

void ScriptedPrompts::RunChooser(const FileRequest& request, FileChooserState& chooser, const ChooserScript& script) {
    FrmOpenSave dialog(*this, chooser);
    dialog.Prepare(request);
    dialog.show();
    script(dialog);
    if (dialog.isVisible()) dialog.PressCancel();
}

}  // namespace isobra::test
