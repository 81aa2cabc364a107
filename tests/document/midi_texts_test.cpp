#include <gtest/gtest.h>

#include <string>

#include "document/midi_texts.h"

namespace {

TEST(MidiTexts, EachOperationHasItsOwnCodes)
{
    struct Row {
        std::uint32_t code;
        const char* open;
        const char* programChange;
    };
    const Row rows[] = {
        {0, "", ""},
        {2, "Midi: The specified device identifier is out of range.", ""},
        {4, "Midi: The specified resource is already allocated.", ""},
        {5, "", "Midi: The specified device handle is invalid."},
        {7, "Midi: The system is unable to allocate or lock memory.", ""},
        {11, "Midi: The specified pointer or structure is invalid.", ""},
        {65, "", ""},
        {67, "", "Midi: The hardware is busy with other data."},
        {68, "No MIDI port was found.", ""},
        {70, "", "Midi: The application sent a message without a status byte to a stream handle."},
        {1001, "Midi: The built-in synthesizer found no audio output.", ""},
        {1002,
         "Midi: The MIDI port could not be opened. It may have been unplugged, or the ALSA sequencer may not be "
         "running.",
         ""},
        {0xFFFFFFFF, "", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(document::MidiOpenErrorText(row.code), row.open) << row.code;
        EXPECT_EQ(document::MidiProgramChangeErrorText(row.code), row.programChange) << row.code;
    }
}

}  // namespace
