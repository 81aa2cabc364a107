#pragma once
#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "document/kvwin_doc.h"
#include "engine/pitch.h"

struct PersistentSettings;

namespace document {

// The file dialogs' filters for applet pages.
inline constexpr const char* kHtmlSaveFilter = "HTML Files (*.html *.htm);;Plain Text (*.txt);;All Files (*)";
inline constexpr const char* kHtmlOpenFilter = "HTML Files (*.html *.htm);;All Files (*)";
inline constexpr const char* kHtmlSuffix = "html";
// Our pages are a few kilobytes; a file far larger is no page of ours and is
// refused rather than read.
inline constexpr std::uintmax_t kMaxHtmlPageBytes = 4u << 20;

// COLORREF to 0xRRGGBB and back: bytes 0 and 2 exchanged, byte 3 cleared.
constexpr std::uint32_t SwapRedBlue(std::uint32_t colour)
{
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

// The applet's one-character code of a one-note mask in the given spelling;
// 'H' for anything else.
char GetHtmlNoteCode(PitchClassMask note, FlatSpellingFlags flags);
// The flat spellings that the note codes of a record carry (its first six characters).
FlatSpellingFlags SpellingFlagsFromHtmlCodes(std::string_view codes);

// The characters that would end a title or a parameter value, or split the
// items of a chord-name value ("^" and "~"), as entities; and back.
std::string EscapeHtml(std::string_view text);
std::string UnescapeHtml(std::string_view text);

// The page title and the file name offered when saving what the document shows.
struct HtmlPageNames {
    std::string title;
    std::string fileName;
};
HtmlPageNames HtmlDefaultNames(const CKvwinDoc& doc);

// The page of what the document shows (found chords, the Scratch Pad or the
// fretboard map) as the bytes of the file: CR LF line ends, none at the end.
std::string buildHtmlPage(const CKvwinDoc& doc, const PersistentSettings& settings);

// What a page gives one Scratch Pad index.
struct ParsedPadNames {
    std::string name;
    std::string name2;
};

struct ParsedPage {
    bool hasTitle = false;
    std::string title;       // cut to 30 characters
    bool hasInfo1 = false;   // the first row's parameter was read
    bool fretboard = false;  // a fretboard map, which holds no chords
    // Words 0..7, 9 and 10; word 8 comes from the names.
    std::array<std::optional<ScratchPadChordRow>, pad::kMaxChords> chords;
    std::array<std::optional<ParsedPadNames>, pad::kMaxChords> names;
    // The Scratch Pad's second title line once loaded: the caller sets the
    // file name without its extension.
    std::string secondTitle;

    // The chords from index 0 up to the first index without one.
    int ChordCount() const;
};

// Reads an applet page line by line (at most 2000 lines, of any length).
ParsedPage parseAppletPage(std::istream& in);

enum class PageLoad {
    Loaded,
    NoChords,   // nothing usable; the Scratch Pad is unchanged
    Fretboard,  // a fretboard map; the Scratch Pad is unchanged
};

// Replaces the Scratch Pad with the page's chords, names and title, and
// redraws, when the page holds at least one chord.
PageLoad applyToScratchPad(CKvwinDoc& doc, const ParsedPage& page);

}  // namespace document
