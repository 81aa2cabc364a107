#pragma once
#include <atomic>

#include <QObject>

#include "document/ports.h"

// The document's MIDI output on the process-wide kvmidi output. The result
// of an open that finishes later is handed to the GUI thread here.
class CKvMidiPort final : public ports::MidiPort {
public:
    CKvMidiPort();
    ~CKvMidiPort() override;
    CKvMidiPort(const CKvMidiPort&) = delete;
    CKvMidiPort& operator=(const CKvMidiPort&) = delete;

    std::uint32_t Open(std::uint32_t deviceId) override;
    std::uint32_t Close() override;
    std::uint32_t ProgramChange(std::uint32_t program) override;
    std::uint32_t PlayNote(std::int32_t delayMs, std::uint32_t note, std::uint32_t velocity,
                           std::int32_t durationMs) override;
    std::uint32_t NumDevs() override;
    std::uint32_t DevCaps(std::uint32_t id, kvmidi::MidiOutCaps& caps) override;
    void SetOpenedHandler(OpenedHandler handler) override;

    // From an open that answered kOpening until its result has been handed on.
    bool Opening() const { return m_bOpening; }

private:
    // Lives on the GUI thread; results posted to it die with it.
    QObject m_receiver;
    OpenedHandler m_onOpened;
    bool m_bOpening = false;
    // Opens and closes so far; read on the opening thread.
    std::atomic<unsigned> m_opens{0};
};
