#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
#include <mutex>
#include <utility>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "kvmidi/clock.h"
#include "kvmidi/output.h"
#include "support/manual_clock.h"
#include "support/recording_backend.h"
#include "support/recording_output.h"

namespace {

using kvmidi::ManualClock;
using kvmidi::Output;
using kvmidi::RecordingBackend;
using kvmidi::RecordingOutput;
using Entry = RecordingBackend::Entry;
using Log = std::vector<Entry>;

// One call per string, as a clicked chord makes them.
void Strum(RecordingOutput& rec, const std::vector<std::uint32_t>& notes, int strumMs, std::uint32_t velocity,
           int durationMs)
{
    for (std::size_t i = 0; i < notes.size(); ++i)
        EXPECT_EQ(rec.output->PlayNote(static_cast<int>(i) * strumMs, notes[i], velocity, durationMs), kvmidi::kOk);
}

const std::vector<std::uint32_t> kSixNotes = {64, 60, 55, 52, 48, 43};

TEST(KvMidiSchedule, StrumSpacesTheNotesAndEndsEachAfterItsDuration)
{
    RecordingOutput rec;
    ASSERT_EQ(rec.output->Open(0), kvmidi::kOk);
    rec.backend->ClearLog();
    Strum(rec, kSixNotes, 30, 100, 1000);
    rec.RunTo(1300);
    const Log expected = {
        {0, "on 64 100"},    {30, "on 60 100"},   {60, "on 55 100"},   {90, "on 52 100"},
        {120, "on 48 100"},  {150, "on 43 100"},  {1000, "off 64"},    {1030, "off 60"},
        {1060, "off 55"},    {1090, "off 52"},    {1120, "off 48"},    {1150, "off 43"},
    };
    EXPECT_EQ(rec.backend->Log(), expected);
}

struct Call {
    int atMs;  // clock time of the call
    std::int32_t delayMs;
    std::uint32_t note;
    std::int32_t durationMs;
};

struct ScheduleRow {
    const char* name;
    std::vector<Call> calls;
    Log expected;
};

TEST(KvMidiSchedule, Table)
{
    const std::vector<ScheduleRow> rows = {
        {"negative delay counts as 0, zero duration as 1 ms",
         {{0, -50, 60, 0}},
         {{0, "on 60 90"}, {1, "off 60"}}},
        {"a key struck again within its duration is not cut short",
         {{0, 0, 60, 1000}, {500, 0, 60, 1000}},
         {{0, "on 60 90"}, {500, "on 60 90"}, {1500, "off 60"}}},
        {"a shorter second strike ends the key; the first note-off is dropped",
         {{0, 0, 60, 1000}, {200, 0, 60, 100}},
         {{0, "on 60 90"}, {200, "on 60 90"}, {300, "off 60"}}},
        {"a note queued first but starting later keeps its own note-off",
         {{0, 5000, 60, 100}, {0, 0, 60, 100}},
         {{0, "on 60 90"}, {100, "off 60"}, {5000, "on 60 90"}, {5100, "off 60"}}},
        {"back to back on one key: the note-off goes before the next note-on",
         {{0, 0, 60, 100}, {0, 100, 60, 100}},
         {{0, "on 60 90"}, {100, "off 60"}, {100, "on 60 90"}, {200, "off 60"}}},
        {"other keys are not touched by a restrike",
         {{0, 0, 60, 300}, {0, 0, 64, 300}, {100, 0, 60, 300}},
         {{0, "on 60 90"}, {0, "on 64 90"}, {100, "on 60 90"}, {300, "off 64"}, {400, "off 60"}}},
    };
    for (const ScheduleRow& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingOutput rec;
        ASSERT_EQ(rec.output->Open(0), kvmidi::kOk);
        rec.backend->ClearLog();
        int end = 0;
        for (const Call& call : row.calls) {
            rec.RunTo(call.atMs);
            EXPECT_EQ(rec.output->PlayNote(call.delayMs, call.note, 90, call.durationMs), kvmidi::kOk);
            end = std::max(end, call.atMs + std::max(call.delayMs, 0) + std::max(call.durationMs, 1));
        }
        rec.RunTo(end + 100);
        EXPECT_EQ(rec.backend->Log(), row.expected);
    }
}

TEST(KvMidiSchedule, CloseDropsPendingNotesAndReleasesOnlySoundingKeys)
{
    RecordingOutput rec;
    ASSERT_EQ(rec.output->Open(0), kvmidi::kOk);
    EXPECT_EQ(rec.output->PlayNote(0, 40, 100, 10), kvmidi::kOk);  // over before the close
    Strum(rec, kSixNotes, 30, 100, 1000);
    rec.RunTo(70);
    rec.backend->ClearLog();

    EXPECT_EQ(rec.output->Close(), kvmidi::kOk);
    const Log atClose = {
        {70, "off 55"}, {70, "off 60"}, {70, "off 64"}, {70, "cc 123"}, {70, "close Port A"},
    };
    EXPECT_EQ(rec.backend->Log(), atClose);

    rec.RunTo(2000);
    EXPECT_EQ(rec.backend->Log(), atClose);
    EXPECT_EQ(rec.output->PlayNote(0, 60, 100, 100), kvmidi::kInvalidHandle);
    EXPECT_EQ(rec.output->Close(), kvmidi::kOk);
    EXPECT_EQ(rec.backend->Log(), atClose);
}

TEST(KvMidiProgram, LastProgramIsSentAfterEveryOpen)
{
    RecordingOutput rec;
    ASSERT_EQ(rec.output->Open(0), kvmidi::kOk);
    EXPECT_EQ(rec.output->ProgramChange(25), kvmidi::kOk);
    EXPECT_EQ(rec.output->ProgramChange(128), kvmidi::kInvalidParam);  // not remembered
    rec.backend->ClearLog();

    // A device change, as the Options sheet makes it: close, then open.
    EXPECT_EQ(rec.output->Close(), kvmidi::kOk);
    EXPECT_EQ(rec.output->Open(1), kvmidi::kOk);
    // An open over an open device closes that first.
    EXPECT_EQ(rec.output->Open(0), kvmidi::kOk);
    const Log expected = {
        {0, "cc 123"}, {0, "close Port A"},
        {0, "open Port B"}, {0, "program 25"},
        {0, "cc 123"}, {0, "close Port B"},
        {0, "open Port A"}, {0, "program 25"},
    };
    EXPECT_EQ(rec.backend->Log(), expected);
}

TEST(KvMidiProgram, ProgramAskedForWhileNothingIsOpenReachesTheNextDevice)
{
    // Start-up whose open failed, then a device chosen in the Options.
    RecordingOutput rec;
    rec.backend->SetOpenResult(kvmidi::kNoAudioOutput);
    EXPECT_EQ(rec.output->Open(0), kvmidi::kNoAudioOutput);
    EXPECT_EQ(rec.output->ProgramChange(40), kvmidi::kInvalidHandle);
    rec.backend->SetOpenResult(kvmidi::kOk);
    EXPECT_EQ(rec.output->Open(1), kvmidi::kOk);
    const Log expected = {{0, "open Port B"}, {0, "program 40"}};
    EXPECT_EQ(rec.backend->Log(), expected);
}

TEST(KvMidiProgram, NoProgramIsSentBeforeOneWasSet)
{
    RecordingOutput rec;
    ASSERT_EQ(rec.output->Open(0), kvmidi::kOk);
    EXPECT_EQ(rec.backend->Log(), (Log{{0, "open Port A"}}));
}

struct CodeRow {
    const char* name;
    std::vector<std::string> ports;
    std::function<std::uint32_t(RecordingOutput&)> call;
    std::uint32_t expected;
};

TEST(KvMidiResultCodes, Table)
{
    using namespace kvmidi;
    auto opened = [](RecordingOutput& r) { EXPECT_EQ(r.output->Open(0), kOk); };
    const std::vector<CodeRow> rows = {
        {"open with no device", {}, [](RecordingOutput& r) { return r.output->Open(0); }, kNoDevice},
        {"open past the last device", {"A", "B"}, [](RecordingOutput& r) { return r.output->Open(2); }, kBadDeviceId},
        {"open, the port will not open", {"A"},
         [](RecordingOutput& r) { r.backend->SetOpenResult(kPortNotOpened); return r.output->Open(0); },
         kPortNotOpened},
        {"open, no memory", {"A"},
         [](RecordingOutput& r) { r.backend->SetOpenResult(kNoMemory); return r.output->Open(0); }, kNoMemory},
        {"a failed open leaves nothing open", {"A"},
         [&](RecordingOutput& r) {
             opened(r);
             r.backend->SetOpenResult(kInvalidParam);
             EXPECT_EQ(r.output->Open(0), kInvalidParam);
             return r.output->PlayNote(0, 60, 100, 100);
         },
         kInvalidHandle},
        {"close before any open", {"A"}, [](RecordingOutput& r) { return r.output->Close(); }, kOk},
        {"program change, nothing open", {"A"}, [](RecordingOutput& r) { return r.output->ProgramChange(25); },
         kInvalidHandle},
        {"program change 127", {"A"}, [&](RecordingOutput& r) { opened(r); return r.output->ProgramChange(127); }, kOk},
        {"program change 128", {"A"}, [&](RecordingOutput& r) { opened(r); return r.output->ProgramChange(128); },
         kInvalidParam},
        {"program change, the send fails", {"A"},
         [&](RecordingOutput& r) { opened(r); r.backend->SetSendsFail(true); return r.output->ProgramChange(25); },
         kNotReady},
        {"play note, nothing open", {"A"}, [](RecordingOutput& r) { return r.output->PlayNote(0, 60, 100, 100); },
         kInvalidHandle},
        {"play note 127 at velocity 127", {"A"},
         [&](RecordingOutput& r) { opened(r); return r.output->PlayNote(0, 127, 127, 100); }, kOk},
        {"play note 128", {"A"}, [&](RecordingOutput& r) { opened(r); return r.output->PlayNote(0, 128, 100, 100); },
         kInvalidParam},
        {"play velocity 128", {"A"}, [&](RecordingOutput& r) { opened(r); return r.output->PlayNote(0, 60, 128, 100); },
         kInvalidParam},
    };
    for (const CodeRow& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingOutput rec(row.ports);
        EXPECT_EQ(row.call(rec), row.expected);
    }
}

TEST(KvMidiResultCodes, RejectedCallsSendNothing)
{
    RecordingOutput rec;
    ASSERT_EQ(rec.output->Open(0), kvmidi::kOk);
    rec.backend->ClearLog();
    EXPECT_EQ(rec.output->PlayNote(0, 128, 100, 100), kvmidi::kInvalidParam);
    EXPECT_EQ(rec.output->PlayNote(0, 60, 200, 100), kvmidi::kInvalidParam);
    EXPECT_EQ(rec.output->ProgramChange(300), kvmidi::kInvalidParam);
    rec.RunTo(500);
    EXPECT_TRUE(rec.backend->Log().empty());
}

TEST(KvMidiDevices, SnapshotNumbersTheBackendsInOrder)
{
    ManualClock clock;
    auto first = std::make_unique<RecordingBackend>(std::vector<std::string>{"Synth"});
    auto second = std::make_unique<RecordingBackend>(std::vector<std::string>{"P1", "P2"});
    RecordingBackend* ports = second.get();
    std::vector<std::unique_ptr<kvmidi::Backend>> backends;
    backends.push_back(std::move(first));
    backends.push_back(std::move(second));
    Output output(std::move(backends), clock);

    ASSERT_EQ(output.GetNumDevs(), 3u);
    kvmidi::MidiOutCaps caps;
    ASSERT_EQ(output.GetDevCaps(2, caps), kvmidi::kOk);
    EXPECT_EQ(caps.name, "P2");
    EXPECT_EQ(caps.technology, kvmidi::kMidiPort);
    caps.name = "stale";
    EXPECT_EQ(output.GetDevCaps(3, caps), kvmidi::kBadDeviceId);
    EXPECT_EQ(caps.name, "");

    // Ports that come and go change nothing until the next count.
    ports->SetNames({"P0", "P1", "P2"});
    EXPECT_EQ(output.Open(2), kvmidi::kOk);
    EXPECT_EQ(ports->Log().back().event, "open P2");
    EXPECT_EQ(output.GetNumDevs(), 4u);
    EXPECT_EQ(output.Open(1), kvmidi::kOk);
    EXPECT_EQ(ports->Log().back().event, "open P0");
}

// Real time and real threads: whatever the interleaving, every note-off
// follows a note-on of its key, and the close leaves no key sounding.
TEST(KvMidiSchedule, SteadyClockStressKeepsKeysBalanced)
{
    auto owned = std::make_unique<RecordingBackend>();
    RecordingBackend* backend = owned.get();
    std::vector<std::unique_ptr<kvmidi::Backend>> backends;
    backends.push_back(std::move(owned));
    Output output(std::move(backends));

    for (int round = 0; round < 5; ++round) {
        ASSERT_EQ(output.Open(0), kvmidi::kOk);
        EXPECT_EQ(output.ProgramChange(static_cast<std::uint32_t>(round)), kvmidi::kOk);
        for (int i = 0; i < 60; ++i)
            output.PlayNote(i % 7, static_cast<std::uint32_t>(60 + i % 5), 100, 1 + i % 4);
        std::this_thread::sleep_for(std::chrono::milliseconds(3 * round));
        output.Close();
    }

    std::array<bool, 128> sounding{};
    int closes = 0;
    for (const Entry& e : backend->Log()) {
        SCOPED_TRACE(e.event);
        if (e.event.rfind("on ", 0) == 0) {
            sounding[std::stoul(e.event.substr(3))] = true;
        } else if (e.event.rfind("off ", 0) == 0) {
            const auto key = std::stoul(e.event.substr(4));
            EXPECT_TRUE(sounding[key]);
            sounding[key] = false;
        } else if (e.event == "cc 123") {
            for (bool s : sounding)
                EXPECT_FALSE(s);
        } else if (e.event.rfind("close", 0) == 0) {
            ++closes;
        }
    }
    EXPECT_EQ(closes, 5);
}

}  // namespace

namespace {

// The results an output reports for opens that took their time.
struct OpenedLog {
    std::mutex mutex;
    std::vector<kvmidi::Output::Opened> results;

    void Listen(Output& output)
    {
        output.SetOpenedHandler([this](kvmidi::Output::Opened opened) {
            std::lock_guard lock(mutex);
            results.push_back(opened);
        });
    }
    std::vector<std::pair<std::uint32_t, std::uint32_t>> Codes()
    {
        std::lock_guard lock(mutex);
        std::vector<std::pair<std::uint32_t, std::uint32_t>> codes;
        for (const kvmidi::Output::Opened& r : results)
            codes.emplace_back(r.open, r.program);
        return codes;
    }
};

using Codes = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// A slow device opens aside: what is asked for meanwhile is answered at once
// and sent when it is open, the instrument first, the notes from then on
// with the spacing they were asked for with.
TEST(KvMidiOpenAside, WhatComesDuringTheOpenFollowsItInTime)
{
    RecordingOutput rec;
    OpenedLog opened;
    opened.Listen(*rec.output);
    rec.backend->HoldOpens();
    ASSERT_EQ(rec.output->Open(0), kvmidi::kOpening);
    EXPECT_EQ(rec.output->ProgramChange(40), kvmidi::kOk);
    Strum(rec, {64, 60, 55}, 30, 100, 200);
    rec.clock.Set(std::chrono::milliseconds(10));
    EXPECT_EQ(rec.output->PlayNote(0, 72, 90, 50), kvmidi::kOk);
    EXPECT_EQ(rec.output->PlayNote(0, 128, 90, 50), kvmidi::kInvalidParam);
    EXPECT_EQ(rec.output->ProgramChange(128), kvmidi::kInvalidParam);
    rec.clock.Set(std::chrono::milliseconds(50));
    rec.backend->ReleaseOpens();
    rec.RunTo(400);
    const Log expected = {
        {50, "open Port A"}, {50, "program 40"}, {50, "on 64 100"}, {60, "on 72 90"}, {80, "on 60 100"},
        {110, "on 55 100"},  {110, "off 72"},    {250, "off 64"},   {280, "off 60"}, {310, "off 55"},
    };
    EXPECT_EQ(rec.backend->Log(), expected);
    EXPECT_EQ(opened.Codes(), (Codes{{kvmidi::kOk, kvmidi::kOk}}));
    // Open now: calls go straight through.
    EXPECT_EQ(rec.output->ProgramChange(41), kvmidi::kOk);
}

// An open that fails late reports once; the device is then not open, and
// the program asked for meanwhile is kept for the next open.
TEST(KvMidiOpenAside, AFailureComesOnceAndTheProgramWaitsForTheNextOpen)
{
    RecordingOutput rec;
    OpenedLog opened;
    opened.Listen(*rec.output);
    rec.backend->SetOpenResult(kvmidi::kNoAudioOutput);
    rec.backend->HoldOpens();
    ASSERT_EQ(rec.output->Open(0), kvmidi::kOpening);
    EXPECT_EQ(rec.output->ProgramChange(40), kvmidi::kOk);
    Strum(rec, {64, 60}, 30, 100, 200);
    rec.backend->ReleaseOpens();
    rec.output->WaitIdle();
    EXPECT_EQ(opened.Codes(), (Codes{{kvmidi::kNoAudioOutput, kvmidi::kOk}}));
    EXPECT_EQ(rec.output->PlayNote(0, 64, 100, 200), kvmidi::kInvalidHandle);
    EXPECT_TRUE(rec.backend->Log().empty());

    rec.backend->SetOpenResult(kvmidi::kOk);
    ASSERT_EQ(rec.output->Open(1), kvmidi::kOpening);
    rec.output->WaitIdle();
    EXPECT_EQ(rec.backend->Log(), (Log{{0, "open Port B"}, {0, "program 40"}}));
    EXPECT_EQ(opened.Codes(), (Codes{{kvmidi::kNoAudioOutput, kvmidi::kOk}, {kvmidi::kOk, kvmidi::kOk}}));
}

// Closed, or gone with the program, while the device still opens: the close
// waits for the open, nothing held is sent, and that open reports nothing.
TEST(KvMidiOpenAside, ClosedDuringTheOpenEndsCleanly)
{
    struct Row {
        const char* what;
        std::function<void(RecordingOutput&)> end;
        Log log;
        Codes codes;
    };
    const Log closedA = {{0, "open Port A"}, {0, "cc 123"}, {0, "close Port A"}};
    Log thenB = closedA;
    thenB.push_back({0, "open Port B"});
    const Row rows[] = {
        {"close", [](RecordingOutput& rec) { EXPECT_EQ(rec.output->Close(), kvmidi::kOk); }, closedA, {}},
        {"another open", [](RecordingOutput& rec) { EXPECT_EQ(rec.output->Open(1), kvmidi::kOpening); }, thenB,
         {{kvmidi::kOk, kvmidi::kOk}}},
        // The backend goes with the output: its log cannot be read then.
        {"the output destroyed", [](RecordingOutput& rec) { rec.output.reset(); }, {}, {}},
    };
    for (const Row& row : rows) {
        RecordingOutput rec;
        OpenedLog opened;
        opened.Listen(*rec.output);
        rec.backend->HoldOpens();
        ASSERT_EQ(rec.output->Open(0), kvmidi::kOpening) << row.what;
        Strum(rec, kSixNotes, 30, 100, 1000);
        std::thread release([&rec] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            rec.backend->ReleaseOpens();
        });
        row.end(rec);
        release.join();
        if (rec.output) {
            rec.output->WaitIdle();
            EXPECT_EQ(rec.backend->Log(), row.log) << row.what;
        }
        EXPECT_EQ(opened.Codes(), row.codes) << row.what;
    }
}

}  // namespace
