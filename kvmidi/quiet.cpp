#include "kvmidi/quiet.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <iostream>
#include <mutex>

namespace kvmidi::detail {

namespace {

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void QuietLibraryLogs()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        snd_lib_error_set_handler(IgnoreAlsaError);
    });
}

SilencedCerr::SilencedCerr() : m_saved(std::cerr.rdbuf(nullptr)) {}

// Restoring the buffer also clears the bad bit the lost writes set.
SilencedCerr::~SilencedCerr()
{
    std::cerr.rdbuf(m_saved);
}

}  // namespace kvmidi::detail
