#pragma once
#include <streambuf>

namespace kvmidi::detail {

// Turns off FluidSynth's log and ALSA's error printer, once per process:
// a missing sound server or sequencer is reported through result codes.
void QuietLibraryLogs();

// RtMidi prints to std::cerr before it throws, and its constructor runs
// before an error callback can be set.
class SilencedCerr {
public:
    SilencedCerr();
    ~SilencedCerr();
    SilencedCerr(const SilencedCerr&) = delete;
    SilencedCerr& operator=(const SilencedCerr&) = delete;

private:
    std::streambuf* m_saved;
};

}  // namespace kvmidi::detail
