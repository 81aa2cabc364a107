#include <filesystem>
#include <sstream>

#include "document/file_dialog_port.h"
#include "document/file_reader.h"
#include "document/file_writer.h"
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
    if (!document::SaveFileReplacing(*path, document::buildHtmlPage(*this, settings)))
        m_ports.ui->MessageBox(kFileWriteError + *path, ports::MessageIcon::Warning);
}

void CKvwinDoc::OnFileLoadHtmlToScratchPad()
{
    if (!m_ports.fileDialogs)
        return;
    const std::optional<std::string> path = m_ports.fileDialogs->GetOpenPath(document::kHtmlOpenFilter);
    if (!path)
        return;
    std::string bytes;
    if (document::ReadRegularFile(*path, document::kMaxHtmlPageBytes, bytes) != document::FileRead::Read) {
        m_ports.ui->MessageBox(kFileOpenError, ports::MessageIcon::Warning);
        return;
    }
    std::istringstream in(std::move(bytes));
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
