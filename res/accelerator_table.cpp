#include "res/accelerator_table.h"

#include <array>

#include "document/command_ids.h"

namespace res {
namespace {

constexpr std::array kAccelerators{
    Accelerator{"Ctrl+C", cmd::EditCopy},
    Accelerator{"Ctrl+Ins", cmd::EditCopy},
    Accelerator{"Ctrl+N", cmd::FileNew},
    Accelerator{"Ctrl+O", cmd::FileOpen},
    Accelerator{"Ctrl+P", cmd::FilePrint},
    Accelerator{"Ctrl+R", cmd::EditCopyToScratchPad},
    Accelerator{"Ctrl+Space", cmd::EditCopyToScratchPad},
    Accelerator{"Ctrl+S", cmd::FileSave},
    Accelerator{"Ctrl+V", cmd::EditPaste},
    Accelerator{"Shift+Ins", cmd::EditPaste},
    Accelerator{"Ctrl+X", cmd::EditCut},
    Accelerator{"Shift+Del", cmd::EditCut},
    Accelerator{"Ctrl+Z", cmd::EditUndo},
    Accelerator{"Alt+Backspace", cmd::EditUndo},
    Accelerator{"F1", cmd::Help},
    Accelerator{"Shift+F1", cmd::ContextHelp},
    Accelerator{"F6", cmd::NextPane},
    Accelerator{"Shift+F6", cmd::PrevPane},
};

}  // namespace

std::span<const Accelerator> MainAccelerators()
{
    return kAccelerators;
}

}  // namespace res
