#pragma once
#include "document/docs_folder.h"

namespace platform {

// The desktop's documents folder (XDG_DOCUMENTS_DIR, usually ~/Documents),
// made when missing; when it cannot be made, the application's data folder
// (~/.local/share/Varnoth/Tonalith); nothing only when neither can be made.
class QtDocsFolder final : public DocsFolder {
public:
    std::optional<std::string> DocumentsFolder() const override;
};

}  // namespace platform
