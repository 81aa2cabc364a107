#pragma once
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace kvmidi {

// Which note holds each key: the generation of the note that struck it last.
// A note-off of an older note finds another generation and is dropped, so a
// chord struck again within its duration is not cut short.
class KeyOwners {
public:
    // A generation for a new note on key; from the caller's thread only.
    std::uint32_t NextGeneration(std::uint8_t key)
    {
        std::uint32_t& last = m_last[key & 0x7F];
        if (++last == 0)
            last = 1;
        return last;
    }

    // At the note-on.
    void Strike(std::uint8_t key, std::uint32_t generation) { m_holder[key & 0x7F].store(generation); }

    // At the note-off: true when that note still held the key, which is now free.
    bool Release(std::uint8_t key, std::uint32_t generation)
    {
        return m_holder[key & 0x7F].compare_exchange_strong(generation, 0);
    }

    // Frees every held key, calling noteOff(key) for each.
    template <typename NoteOff>
    void ReleaseAll(NoteOff noteOff)
    {
        for (std::size_t key = 0; key < m_holder.size(); ++key)
            if (m_holder[key].exchange(0) != 0)
                noteOff(static_cast<std::uint8_t>(key));
    }

private:
    std::array<std::uint32_t, 128> m_last{};
    // Atomic: the synth's sequencer strikes and releases on its audio thread.
    std::array<std::atomic<std::uint32_t>, 128> m_holder{};
};

}  // namespace kvmidi
