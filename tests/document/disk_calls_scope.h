#pragma once
#include "document/disk_calls.h"

// A test's own system calls for the writer and the readers, until it ends.
class DiskCallsScope {
public:
    DiskCallsScope() = default;
    ~DiskCallsScope() { document::Disk() = m_system; }
    DiskCallsScope(const DiskCallsScope&) = delete;
    DiskCallsScope& operator=(const DiskCallsScope&) = delete;

    // The calls in use when the scope began.
    const document::DiskCalls& System() const { return m_system; }

private:
    document::DiskCalls m_system = document::Disk();
};
