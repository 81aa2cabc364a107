#pragma once
// Renders a FluidSynth synth offline and reports when its notes start and
// stop, read from the synth's own voices block by block.
#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <vector>

namespace testsupport {

struct RenderedNote {
    int key = -1;
    double onMs = -1;       // start of the block in which the note's voices began
    double releaseMs = -1;  // start of the first block with none of them held on; -1 while held
};

class SynthProbe {
public:
    // FluidSynth renders and dispatches its sequencer in blocks of 64 frames.
    static constexpr int kBlockFrames = 64;

    SynthProbe(fluid_synth_t* synth, double sampleRate, bool keepSamples = false)
        : m_synth(synth), m_sampleRate(sampleRate), m_bKeepSamples(keepSamples)
    {
    }

    double NowMs() const { return MsOfBlock(m_blocks); }

    // Renders at least ms more milliseconds.
    void Render(double ms)
    {
        const double until = NowMs() + ms;
        std::array<float, kBlockFrames> left{}, right{};
        while (NowMs() < until) {
            fluid_synth_write_float(m_synth, kBlockFrames, left.data(), 0, 1, right.data(), 0, 1);
            Take(left, right);
        }
    }

    // Renders one block through an audio output standing in for a driver:
    // render(frames, left, right) returns false, as this does, when none runs.
    template <typename Output>
    bool RenderThrough(Output render)
    {
        std::array<float, kBlockFrames> left{}, right{};
        if (!render(kBlockFrames, left.data(), right.data()))
            return false;
        Take(left, right);
        return true;
    }

    // Every note seen so far, in the order they started; a note is one
    // note-on, however many voices it sounds with.
    std::vector<RenderedNote> Notes() const
    {
        std::vector<RenderedNote> notes;
        for (const auto& [id, note] : m_notes)
            notes.push_back(note);
        std::stable_sort(notes.begin(), notes.end(),
                         [](const RenderedNote& a, const RenderedNote& b) { return a.onMs < b.onMs; });
        return notes;
    }

    std::vector<double> OnsetsMs() const
    {
        std::vector<double> onsets;
        for (const RenderedNote& note : Notes())
            onsets.push_back(note.onMs);
        return onsets;
    }

    // Largest sample magnitude rendered from fromMs on.
    float PeakSince(double fromMs) const
    {
        float peak = 0;
        for (std::size_t b = 0; b < m_peaks.size(); ++b)
            if (MsOfBlock(b) >= fromMs)
                peak = std::max(peak, m_peaks[b]);
        return peak;
    }

    int ActiveVoices() const { return fluid_synth_get_active_voice_count(m_synth); }

    // What was rendered, left and right mixed, when the probe keeps it.
    const std::vector<float>& Samples() const { return m_samples; }

private:
    double MsOfBlock(std::size_t block) const { return 1000.0 * kBlockFrames * block / m_sampleRate; }

    void Take(const std::array<float, kBlockFrames>& left, const std::array<float, kBlockFrames>& right)
    {
        const double blockStart = NowMs();
        float peak = 0;
        for (int i = 0; i < kBlockFrames; ++i)
            peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
        m_peaks.push_back(peak);
        if (m_bKeepSamples)
            for (int i = 0; i < kBlockFrames; ++i)
                m_samples.push_back(0.5f * (left[i] + right[i]));
        ++m_blocks;
        Observe(blockStart);
    }

    void Observe(double blockStart)
    {
        std::array<fluid_voice_t*, 1024> voices{};
        fluid_synth_get_voicelist(m_synth, voices.data(), static_cast<int>(voices.size()), -1);
        std::map<unsigned int, bool> heldNow;  // note id -> some voice still on
        for (fluid_voice_t* voice : voices) {
            if (!voice)
                break;
            const unsigned int id = fluid_voice_get_id(voice);
            RenderedNote& note = m_notes[id];
            if (note.onMs < 0) {
                note.key = fluid_voice_get_key(voice);
                note.onMs = blockStart;
            }
            heldNow[id] = heldNow[id] || fluid_voice_is_on(voice);
        }
        for (auto& [id, note] : m_notes) {
            const auto it = heldNow.find(id);
            const bool held = it != heldNow.end() && it->second;
            if (!held && note.releaseMs < 0)
                note.releaseMs = blockStart;
        }
    }

    fluid_synth_t* m_synth;
    double m_sampleRate;
    bool m_bKeepSamples;
    std::vector<float> m_samples;
    std::size_t m_blocks = 0;
    std::vector<float> m_peaks;
    std::map<unsigned int, RenderedNote> m_notes;
};

// Where each note starts in a recording of several (mono): each note's own
// sound, rendered alone, is slid along what is left of the recording once
// the notes found before it are taken out, and lands where it matches best.
// The search runs over [from, to); results are frames from the start.
inline std::vector<std::size_t> NoteStartsInRecording(std::vector<float> recording,
                                                      const std::vector<std::vector<float>>& notes, std::size_t from,
                                                      std::size_t to, std::size_t matchFrames)
{
    std::vector<std::size_t> starts;
    for (const std::vector<float>& note : notes) {
        const std::size_t length = std::min(matchFrames, note.size());
        double noteEnergy = 0;
        for (std::size_t i = 0; i < length; ++i)
            noteEnergy += double{note[i]} * note[i];
        double best = -2;
        std::size_t bestAt = from;
        for (std::size_t at = from; at < to && at + length <= recording.size(); ++at) {
            double product = 0, energy = 0;
            for (std::size_t i = 0; i < length; ++i) {
                product += double{recording[at + i]} * note[i];
                energy += double{recording[at + i]} * recording[at + i];
            }
            const double match = product / std::sqrt(energy * noteEnergy + 1e-30);
            if (match > best) {
                best = match;
                bestAt = at;
            }
        }
        starts.push_back(bestAt);
        // Take the note out at its own level, so the next is matched against the rest.
        double product = 0, energy = 0;
        for (std::size_t i = 0; i < note.size() && bestAt + i < recording.size(); ++i) {
            product += double{recording[bestAt + i]} * note[i];
            energy += double{note[i]} * note[i];
        }
        const double scale = energy > 0 ? product / energy : 0;
        for (std::size_t i = 0; i < note.size() && bestAt + i < recording.size(); ++i)
            recording[bestAt + i] -= static_cast<float>(scale * note[i]);
    }
    return starts;
}

}  // namespace testsupport
