#include "engine/udir.h"

bool g_bUserDirModified = false;
