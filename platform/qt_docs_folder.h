#pragma once
#include "document/docs_folder.h"

namespace platform {

// The desktop's documents folder (XDG_DOCUMENTS_DIR, usually ~/Documents),
// only when it exists.
class QtDocsFolder final : public DocsFolder {
public:
    std::optional<std::string> DocumentsFolder() const override;
};

}  // namespace platform
