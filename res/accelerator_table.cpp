#include "res/accelerator_table.h"

#include <array>

#include "res/command_ids.h"

namespace res {
namespace {

constexpr std::array kAccelerators{
    Accelerator{"Ctrl+C", ID_EDIT_COPY},
    Accelerator{"Ctrl+Ins", ID_EDIT_COPY},
    Accelerator{"Ctrl+N", ID_FILE_NEW},
    Accelerator{"Ctrl+O", ID_FILE_OPEN},
    Accelerator{"Ctrl+P", ID_FILE_PRINT},
    Accelerator{"Ctrl+R", ID_EDIT_COPY_TO_SCRATCH_PAD},
    Accelerator{"Ctrl+Space", ID_EDIT_COPY_TO_SCRATCH_PAD},
    Accelerator{"Ctrl+S", ID_FILE_SAVE},
    Accelerator{"Ctrl+V", ID_EDIT_PASTE},
    Accelerator{"Shift+Ins", ID_EDIT_PASTE},
    Accelerator{"Ctrl+X", ID_EDIT_CUT},
    Accelerator{"Shift+Del", ID_EDIT_CUT},
    Accelerator{"Ctrl+Z", ID_EDIT_UNDO},
    Accelerator{"Alt+Backspace", ID_EDIT_UNDO},
    Accelerator{"F1", ID_HELP},
    Accelerator{"Shift+F1", ID_CONTEXT_HELP},
    Accelerator{"F6", ID_NEXT_PANE},
    Accelerator{"Shift+F6", ID_PREV_PANE},
};

}  // namespace

std::span<const Accelerator> MainAccelerators()
{
    return kAccelerators;
}

}  // namespace res
