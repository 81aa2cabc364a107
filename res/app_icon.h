#pragma once
#include <QIcon>

namespace res {

// The icon of a resource id: IDR_MAINFRAME's is the program's own, at every
// size drawn for it. A null icon for any other id.
QIcon LoadIcon(int id);

}  // namespace res
