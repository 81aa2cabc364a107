#pragma once
#include <functional>

class QDialog;

namespace app {

// Runs a modal dialog and returns its result; tests put a scripted runner
// in its place so no dialog waits for a user.
using DialogRunner = std::function<int(QDialog&)>;

// The program's runner: QDialog::exec.
int RunModal(QDialog& dialog);

}  // namespace app
