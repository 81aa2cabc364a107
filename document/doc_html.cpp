#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "document/file_dialog_port.h"
#include "document/html_page.h"
#include "document/kvwin_doc.h"
#include "document/persistent_settings.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileOpenError = "File open error";
constexpr const char* kFileWriteError = "The page could not be saved to\n";
constexpr const char* kNoChordsInPage = "This file holds no chords to load.\nThe Scratch Pad is unchanged.";
constexpr const char* kFretboardPage =
    "This page shows a fretboard map, which has no chords to load.\nThe Scratch Pad is unchanged.";

// Writes beside the target first, so a failed write leaves an existing file
// as it was. A file there keeps its permissions; a read-only one is refused.
bool WriteFileReplacing(const fs::path& target, const std::string& bytes)
{
    std::error_code ec;
    const fs::file_status existing = fs::status(target, ec);
    const bool exists = !ec && fs::exists(existing);
    if (exists && (fs::is_directory(existing) || (existing.permissions() & fs::perms::owner_write) == fs::perms::none))
        return false;
    std::random_device random;
    fs::path temp;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temp = target;
        // Appended piece by piece: GCC 12's -Wrestrict misreads a literal
        // put in front of a std::string in optimised builds.
        temp += ".";
        temp += std::to_string(random() % 1000000) + ".tmp";
        if (!fs::exists(temp, ec) && !ec)
            break;
    }
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.close();
        }
        if (!out) {
            fs::remove(temp, ec);
            return false;
        }
    }
    if (exists)
        fs::permissions(temp, existing.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

}  // namespace

void CKvwinDoc::OnUpdateFileSaveAsHtml(CCmdUI& ui) const
{
    if (m_bScratchPadMode)
        ui.Enable(m_nPadCount != 0);
    else
        ui.Enable(m_nVoicingCount != 0 || !m_bChordDisplay);
}

void CKvwinDoc::OnFileSaveAsHtml()
{
    if (!m_ports.fileDialogs)
        return;
    const PersistentSettings defaults;
    const PersistentSettings& settings = m_pMainFrame ? *m_pMainFrame : defaults;
    const std::optional<std::string> path = m_ports.fileDialogs->GetSavePath(
        document::HtmlDefaultNames(*this).fileName, document::kHtmlSuffix, document::kHtmlSaveFilter);
    if (!path)
        return;
    if (!WriteFileReplacing(*path, document::buildHtmlPage(*this, settings)))
        m_ports.ui->MessageBox(kFileWriteError + *path, ports::MessageIcon::Warning);
}

void CKvwinDoc::OnFileLoadHtmlToScratchPad()
{
    if (!m_ports.fileDialogs)
        return;
    const std::optional<std::string> path = m_ports.fileDialogs->GetOpenPath(document::kHtmlOpenFilter);
    if (!path)
        return;
    std::error_code ec;
    std::ifstream in;
    if (!fs::is_directory(*path, ec))
        in.open(*path, std::ios::binary);
    if (!in.is_open()) {
        m_ports.ui->MessageBox(kFileOpenError, ports::MessageIcon::Warning);
        return;
    }
    document::ParsedPage page = document::parseAppletPage(in);
    page.secondTitle = fs::path(*path).stem().string();
    switch (document::applyToScratchPad(*this, page)) {
    case document::PageLoad::Loaded:
        break;
    case document::PageLoad::NoChords:
        m_ports.ui->MessageBox(kNoChordsInPage, ports::MessageIcon::Warning);
        break;
    case document::PageLoad::Fretboard:
        m_ports.ui->MessageBox(kFretboardPage, ports::MessageIcon::Warning);
        break;
    }
}
