#pragma once
// Fakes of the document's ports that record what the document asked for.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "document/docs_folder.h"
#include "document/file_dialog_port.h"
#include "document/platform_ports.h"
#include "document/ports.h"

struct FakeUi : ports::UiPort {
    std::vector<std::string> messages;
    std::map<int, std::string> panes;
    std::string title;
    std::vector<int> sizeCombo;
    int updates = 0;
    bool statusBar = true;

    void MessageBox(const std::string& text, ports::MessageIcon) override { messages.push_back(text); }
    bool HasStatusBar() const override { return statusBar; }
    void SetStatusPane(int pane, const std::string& text) override { panes[pane] = text; }
    void SetTitle(const std::string& t) override { title = t; }
    void SetSizeCombo(int n) override { sizeCombo.push_back(n); }
    void UpdateAllViews() override { ++updates; }
    void RefreshCommandStates() override {}
};

struct FakeScreen : ports::ScreenPort {
    std::optional<ports::DisplayMetrics> metrics;
    std::optional<ports::DisplayMetrics> ViewDisplayMetrics() const override { return metrics; }
};

// The documents folder: none unless a test names one.
struct FakeDocsFolder : DocsFolder {
    std::optional<std::string> folder;
    std::optional<std::string> DocumentsFolder() const override { return folder; }
};

// A Linux system on the processor a test names.
struct FakeOs : OsInfo {
    std::string arch = "x86_64";
    std::string CpuArchitecture() const override { return arch; }
    std::string PrettyProductName() const override { return "Debian GNU/Linux 12 (bookworm)"; }
};

// A MIDI library whose devices and result codes a test scripts.
struct FakeMidi : ports::MidiPort {
    struct Call {
        std::string op;
        std::int64_t a = 0, b = 0, c = 0, d = 0;
        bool operator==(const Call&) const = default;
    };
    std::vector<std::string> devices;
    std::vector<kvmidi::MidiOutCaps> deviceCaps;  // by id where given; the name comes from devices
    std::set<std::uint32_t> failingQueries;       // ids whose capabilities cannot be read
    std::uint32_t openResult = 0;
    std::uint32_t programResult = 0;
    std::vector<Call> calls;

    std::uint32_t Open(std::uint32_t id) override
    {
        calls.push_back({"open", id});
        return openResult;
    }
    std::uint32_t Close() override
    {
        calls.push_back({"close"});
        return 0;
    }
    std::uint32_t ProgramChange(std::uint32_t program) override
    {
        calls.push_back({"program", program});
        return programResult;
    }
    std::uint32_t PlayNote(std::int32_t delay, std::uint32_t note, std::uint32_t velocity,
                           std::int32_t duration) override
    {
        calls.push_back({"note", delay, note, velocity, duration});
        return 0;
    }
    std::uint32_t NumDevs() override { return static_cast<std::uint32_t>(devices.size()); }
    // Where a late open result goes; a test calls it as the library would.
    OpenedHandler opened;
    void SetOpenedHandler(OpenedHandler handler) override { opened = std::move(handler); }
    std::uint32_t DevCaps(std::uint32_t id, kvmidi::MidiOutCaps& caps) override
    {
        if (id >= devices.size() || failingQueries.count(id))
            return kvmidi::kBadDeviceId;
        caps = id < deviceCaps.size() ? deviceCaps[id] : kvmidi::MidiOutCaps{};
        caps.name = devices[id];
        return kvmidi::kOk;
    }
};

// A MIDI library with no devices, answering as the real one then does:
// nothing opens and nothing sounds.
struct SilentMidi : ports::MidiPort {
    std::uint32_t Open(std::uint32_t) override { return kvmidi::kNoDevice; }
    std::uint32_t Close() override { return kvmidi::kOk; }
    std::uint32_t ProgramChange(std::uint32_t) override { return kvmidi::kInvalidHandle; }
    std::uint32_t PlayNote(std::int32_t, std::uint32_t, std::uint32_t, std::int32_t) override
    {
        return kvmidi::kInvalidHandle;
    }
    std::uint32_t NumDevs() override { return 0; }
    std::uint32_t DevCaps(std::uint32_t, kvmidi::MidiOutCaps&) override { return kvmidi::kBadDeviceId; }
};

// File dialogs that answer with a scripted path, or cancel when it is empty.
struct FakeFileDialogs : ports::FileDialogPort {
    struct Call {
        std::string op, defaultName, suffix, filter;
        bool operator==(const Call&) const = default;
    };
    std::optional<std::string> answer;
    std::vector<Call> calls;

    std::optional<std::string> GetSavePath(const std::string& name, const std::string& suffix,
                                           const std::string& filter) override
    {
        calls.push_back({"save", name, suffix, filter});
        return answer;
    }
    std::optional<std::string> GetOpenPath(const std::string& filter) override
    {
        calls.push_back({"open", {}, {}, filter});
        return answer;
    }
};
