#pragma once
// The document's ways out: each is implemented on Qt in platform/ or app/, and
// by fakes in the tests. Standard types only.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kvmidi/results.h"

namespace ports {

enum class MessageIcon { None, Warning };

// The window side of the document: message boxes, status panes, the title,
// the size box and repainting.
class UiPort {
public:
    virtual ~UiPort() = default;

    virtual void MessageBox(const std::string& text, MessageIcon icon = MessageIcon::None) = 0;
    // False when the main window has no status bar (yet).
    virtual bool HasStatusBar() const = 0;
    // Pane 1 holds the title, pane 2 the tuning text; both repaint at once.
    virtual void SetStatusPane(int pane, const std::string& text) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Selects "3".."6" in the toolbar's chords-per-row box without notifying.
    virtual void SetSizeCombo(int chordsPerRow) = 0;
    virtual void UpdateAllViews() = 0;
    virtual void RefreshCommandStates() = 0;
};

// What the status line needs of the screen the view is on; nothing when the
// document has no view.
struct DisplayMetrics {
    int dpiX = 96;           // resolution class, horizontal
    int dpiY = 96;
    int desktopWidth = 0;    // device pixels
    int desktopHeight = 0;
};

class ScreenPort {
public:
    virtual ~ScreenPort() = default;
    virtual std::optional<DisplayMetrics> ViewDisplayMetrics() const = 0;
};

// The MIDI library's operations and its device list.
class MidiPort {
public:
    // The late result of an open: its code, then that of the last program
    // change made while it opened.
    using OpenedHandler = std::function<void(std::uint32_t open, std::uint32_t program)>;

    virtual ~MidiPort() = default;
    // kvmidi::kOpening while the device still opens (the built-in synth
    // loads its soundfont); the result follows through the opened handler.
    virtual std::uint32_t Open(std::uint32_t deviceId) = 0;
    virtual std::uint32_t Close() = 0;
    // kvmidi::kInvalidHandle when nothing is open; the program is kept for
    // the next open.
    virtual std::uint32_t ProgramChange(std::uint32_t program) = 0;
    virtual std::uint32_t PlayNote(std::int32_t delayMs, std::uint32_t note, std::uint32_t velocity,
                                   std::int32_t durationMs) = 0;
    virtual std::uint32_t NumDevs() = 0;
    // kvmidi::kOk on success, else the library's error code.
    virtual std::uint32_t DevCaps(std::uint32_t id, kvmidi::MidiOutCaps& caps) = 0;
    // Called on the document's thread; an empty handler stops the calls.
    virtual void SetOpenedHandler(OpenedHandler handler) { (void)handler; }
};

}  // namespace ports

#include "document/docs_folder.h"
#include "document/platform_ports.h"
#include "document/save_target.h"
#include "document/settings_store.h"
