#include "document/disk_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace {

int OpenPath(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

}  // namespace

namespace document {

DiskCalls& Disk()
{
    static DiskCalls calls{OpenPath, ::fsync, std::rename};
    return calls;
}

}  // namespace document
