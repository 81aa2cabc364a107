// Feeds any bytes to the settings loader as the values of the settings file,
// then runs what uses them: the document's start-up, the window placement,
// the history and the page writer. Whatever loads is saved and loads again
// unchanged. Run it in an empty folder: the document looks for its User
// Directory file in the current one.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/html_page.h"
#include "document/kvwin_doc.h"
#include "document/persistent_settings.h"
#include "fuzz/quiet_ports.h"
#include "tests/support/memory_settings_store.h"

namespace {

// Every value the settings block stores, as the save names it.
const std::vector<std::pair<std::string, std::string>>& Keys()
{
    static const auto keys = [] {
        MemorySettingsStore store;
        document::SaveSettings(store, PersistentSettings{});
        return store.Keys();
    }();
    return keys;
}

// Each line sets one value: its first byte picks the key, the rest is the text.
void Fill(MemorySettingsStore& store, std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.empty())
            continue;
        const auto& [section, key] = Keys()[static_cast<unsigned char>(line[0]) % Keys().size()];
        store.WriteString(section, key, line.substr(1));
    }
}

void CheckPlacement(const WindowRect& stored)
{
    const Rect desktop{0, 0, 3200, 1200};
    const WindowRect placed = document::PlaceWindowRect(stored, {{0, 0, 1920, 1160}, {1920, 0, 3200, 1024}}, desktop);
    const std::int64_t width = std::int64_t{placed.right} - placed.left;
    const std::int64_t height = std::int64_t{placed.bottom} - placed.top;
    Check(width > 0 && height > 0 && width <= desktop.width() && height <= desktop.height());
    Check(placed.left < desktop.right && placed.right > desktop.left && placed.top < desktop.bottom
          && placed.bottom > desktop.top);
}

void CheckHistory(const CKvwinDoc& doc)
{
    Check(doc.m_nHistoryPos >= 0 && doc.m_nHistoryPos <= static_cast<int>(doc.m_awHistory.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemorySettingsStore store;
    Fill(store, std::string_view(reinterpret_cast<const char*>(data), size));
    PersistentSettings loaded;
    document::LoadSettings(store, loaded);

    MemorySettingsStore saved;
    document::SaveSettings(saved, loaded);
    PersistentSettings again;
    document::LoadSettings(saved, again);
    Check(again == loaded);

    CheckPlacement(loaded.m_placement.m_rcNormal);

    static QuietUi ui;
    static SilentMidi midi;
    PersistentSettings frame = loaded;
    CKvwinDoc doc(CKvwinDoc::Ports{&ui, &midi});
    doc.OnNewDocument();
    doc.InitDocument(frame);
    for (int i = 0; i < 14; ++i) {
        doc.SearchNewChord(i % 3 == 0 ? 0x091 : 0x488, i % 2 == 0);
        CheckHistory(doc);
    }
    doc.OnViewBack();
    doc.OnViewStartHistory();
    doc.OnViewForward();
    doc.OnViewClear();
    doc.TrimHistory(false);
    CheckHistory(doc);
    doc.OnViewEndHistory();
    doc.OnViewClearAll();
    CheckHistory(doc);
    Check(!document::buildHtmlPage(doc, frame).empty());
    return 0;
}
