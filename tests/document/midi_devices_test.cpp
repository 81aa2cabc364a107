#include <gtest/gtest.h>

#include <vector>

#include "document/midi_devices.h"
#include "tests/support/fake_ports.h"

namespace {

TEST(MidiOutDevices, ADeviceWhoseQueryFailsIsLeftOut)
{
    FakeMidi midi;
    midi.devices = {"Built-in Synth (FluidSynth)", "Gone", "Port B", "Port B"};
    midi.failingQueries = {1};
    const auto devices = document::ListMidiDevices(midi);
    std::vector<std::uint32_t> ids;
    for (const auto& d : devices)
        ids.push_back(d.id);
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{0, 2, 3}));
    // Of two devices of one name the later counts.
    EXPECT_EQ(document::LastDeviceNamed(devices, "Port B"), 3u);
    EXPECT_EQ(document::LastDeviceNamed(devices, "Built-in Synth (FluidSynth)"), 0u);
    EXPECT_EQ(document::LastDeviceNamed(devices, "Gone"), std::nullopt);
    EXPECT_EQ(document::LastDeviceNamed(devices, "port b"), std::nullopt);
}

}  // namespace
