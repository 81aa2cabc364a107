#pragma once
#include <optional>
#include <string>

// The user's documents folder, where the User Directory file lives.
class DocsFolder {
public:
    virtual ~DocsFolder() = default;
    // The folder's path (UTF-8), or nothing when there is no such folder.
    virtual std::optional<std::string> DocumentsFolder() const = 0;
};
