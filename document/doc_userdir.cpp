// Where the document keeps its User Directory file.
#include "document/docs_folder.h"
#include "document/kvwin_doc.h"
#include "document/user_dir_file.h"

namespace {

struct NoDocsFolder : DocsFolder {
    std::optional<std::string> DocumentsFolder() const override { return std::nullopt; }
};

}  // namespace

void CKvwinDoc::ReadUserDirectory()
{
    static const NoDocsFolder kNone;
    UserDirState state;
    state.m_strUserDirFile = m_strUserDirFile;
    state.m_nUdirLoc = m_nUdirLoc;
    const auto result = document::LoadUserDirectory(state, m_ports.docs ? *m_ports.docs : kNone);
    m_listUserDir = std::move(state.m_listUserDir);
    m_listUserDirRead = std::move(state.m_listRead);
    m_strUserDirFile = state.m_strUserDirFile;
    m_nUdirLoc = state.m_nUdirLoc;
    if (result == UserDirResult::FileError)
        m_ports.ui->MessageBox(std::string(kUserDirFileError), ports::MessageIcon::Warning);
}

void CKvwinDoc::WriteUserDirectory()
{
    UserDirState state;
    state.m_listUserDir = std::move(m_listUserDir);
    state.m_strUserDirFile = m_strUserDirFile;
    state.m_nUdirLoc = m_nUdirLoc;
    state.m_listRead = std::move(m_listUserDirRead);
    const auto result = document::SaveUserDirectory(state);
    m_listUserDir = std::move(state.m_listUserDir);
    m_listUserDirRead = std::move(state.m_listRead);
    if (result == UserDirResult::FileError)
        m_ports.ui->MessageBox(std::string(kUserDirFileError), ports::MessageIcon::Warning);
}
