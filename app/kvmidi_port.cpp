#include "app/kvmidi_port.h"

#include <QMetaObject>

#include "kvmidi/kvmidi.h"

CKvMidiPort::CKvMidiPort()
{
    kvmidi::KvMidiSetOpenedHandler([this](kvmidi::Output::Opened opened) {
        // On the opening thread, which the caller's Close waits for: the
        // count read here is that of the open it reports on.
        const unsigned open = m_opens.load();
        QMetaObject::invokeMethod(
            &m_receiver,
            [this, open, opened] {
                // An open closed or replaced since says nothing any more.
                if (open != m_opens.load())
                    return;
                m_bOpening = false;
                if (m_onOpened)
                    m_onOpened(opened.open, opened.program);
            },
            Qt::QueuedConnection);
    });
}

CKvMidiPort::~CKvMidiPort()
{
    // Nothing posts to the receiver from here on; what it was sent goes with it.
    kvmidi::KvMidiSetOpenedHandler(nullptr);
}

void CKvMidiPort::SetOpenedHandler(OpenedHandler handler)
{
    m_onOpened = std::move(handler);
}

std::uint32_t CKvMidiPort::Open(std::uint32_t deviceId)
{
    // Closed first, so that no result of the open before comes under the new count.
    Close();
    const std::uint32_t result = kvmidi::KvMidiOpen(deviceId);
    m_bOpening = result == kvmidi::kOpening;
    return result;
}

std::uint32_t CKvMidiPort::Close()
{
    const std::uint32_t result = kvmidi::KvMidiClose();
    ++m_opens;
    m_bOpening = false;
    return result;
}

std::uint32_t CKvMidiPort::ProgramChange(std::uint32_t program)
{
    return kvmidi::KvMidiProgramChange(program);
}

std::uint32_t CKvMidiPort::PlayNote(std::int32_t delayMs, std::uint32_t note, std::uint32_t velocity,
                                    std::int32_t durationMs)
{
    return kvmidi::KvMidiPlayNote(delayMs, note, velocity, durationMs);
}

std::uint32_t CKvMidiPort::NumDevs()
{
    return kvmidi::MidiOutGetNumDevs();
}

std::uint32_t CKvMidiPort::DevCaps(std::uint32_t id, kvmidi::MidiOutCaps& caps)
{
    return kvmidi::MidiOutGetDevCaps(id, caps);
}
