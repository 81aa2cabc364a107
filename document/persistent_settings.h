#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "document/geometry.h"
#include "engine/defaults.h"

class SettingsStore;

// A window rectangle in pixels, right and bottom exclusive.
struct WindowRect {
    std::int32_t left = 10;
    std::int32_t top = 10;
    std::int32_t right = 500;
    std::int32_t bottom = 400;

    bool operator==(const WindowRect&) const = default;
};

// How the main window was left: its restored rectangle, minimised and
// maximised flags, and whether the toolbar and the status bar were shown.
struct WindowPlacement {
    WindowRect m_rcNormal;
    // False when the window could not report its placement: the save then
    // writes an empty rectangle and neither flag, so the next start is normal.
    bool m_bRectKnown = true;
    bool m_bIcon = false;  // minimised
    bool m_bMax = false;   // maximised, or restores to maximised from minimised
    bool m_bToolbar = true;
    bool m_bStatusBar = true;

    bool operator==(const WindowPlacement&) const = default;
};

// How the window is first shown, chosen from the stored flags.
enum class ShowCommand {
    Normal,
    Maximized,
    // Minimised without activation; restores to maximised when m_bMax is set.
    MinimizedNoActivate,
};

// Every persistent program setting, each at the default a fresh user gets.
struct PersistentSettings {
    // Bit 0: 1 = full fret windows, 0 = Reduced Span; bits 1-2: 6 minus the
    // diagrams per row.
    std::uint16_t m_wExp = 0;
    std::int32_t m_bIncHis = 1;
    std::string m_strMidiOutName;
    std::int32_t m_nInstr = engine::kDefaultInstrument;
    std::int32_t m_nVel = engine::kVelocityRange.fallback;
    std::int32_t m_nDur = engine::kDurationRange.fallback;
    std::int32_t m_nSep = engine::kStrumDelayRange.fallback;
    std::int32_t m_nHisBufSz = 50;
    std::int32_t m_nSnotes = 0;
    std::int32_t m_nNotefret = 0;
    std::int32_t m_nNocol = 0;
    std::int32_t m_nKvClrprev = 0;
    std::int32_t m_nShtNames = 0;
    std::int32_t m_nDeutsch = 0;
    std::int32_t m_nGraphx = 32;  // 16 GDI, 32 GDI+
    std::int32_t m_nKvClrprevKvdgm = 0;
    std::int32_t m_nUdirLoc = 0;  // 1 = User Directory file in the documents folder
    std::int32_t m_nBgcol = 0xC0C0C0;  // 0xRRGGBB
    std::int32_t m_nTxtcol = 0;        // 0xRRGGBB
    std::int32_t m_nApplfont = 0;
    std::int32_t m_nApplLmgn = 0;
    std::int32_t m_nApplRwsep = 2;
    std::int32_t m_nApplRedScale = 0;
    std::int32_t m_nApplAp = 0;
    std::int32_t m_nApplSpUd = 0;
    std::int32_t m_nPgtitle = 1;
    std::int32_t m_nChdtitle = 1;
    std::int32_t m_nChtitleTop = 1;
    std::int32_t m_nApplShrinkPrt = 1;

    WindowPlacement m_placement;

    bool operator==(const PersistentSettings&) const = default;
};

namespace document {

// Reads every setting and the window placement; a missing or corrupt value
// gets its default, any other is kept as read.
void LoadSettings(const SettingsStore& store, PersistentSettings& settings);

// Writes every setting and the window placement.
void SaveSettings(SettingsStore& store, const PersistentSettings& settings);

ShowCommand ChooseShowCommand(const WindowPlacement& placement);

// Where the window is restored: the stored rectangle when it lies at least
// partly on one of the screens' available areas and is no larger than the
// virtual desktop, else the default 10, 10, 500, 400.
WindowRect PlaceWindowRect(const WindowRect& stored, const std::vector<Rect>& available, const Rect& desktop);

// "Rect" as stored: "%04d %04d %04d %04d", or empty for an unknown rectangle.
std::string FormatWindowRect(const WindowRect& rect);
// Four whitespace-separated integers; anything else is the default rectangle.
WindowRect ParseWindowRect(const std::string& text);

}  // namespace document
