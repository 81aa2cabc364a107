#pragma once
#include <sys/types.h>

namespace document {

// The system calls by which the program's files are opened and its saves
// reach the disk. Tests put recording or meddling ones in their place.
struct DiskCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};

// The calls in use; the system's own unless a test changed them.
DiskCalls& Disk();

}  // namespace document
