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
    if (document::LoadUserDirectory(*this, m_ports.docs ? *m_ports.docs : kNone) == UserDirResult::FileError)
        m_ports.ui->MessageBox(std::string(kUserDirFileError), ports::MessageIcon::Warning);
}

void CKvwinDoc::WriteUserDirectory()
{
    if (document::SaveUserDirectory(*this) == UserDirResult::FileError)
        m_ports.ui->MessageBox(std::string(kUserDirFileError), ports::MessageIcon::Warning);
}
