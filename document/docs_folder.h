#pragma once
#include <optional>
#include <string>

// The user's documents folder, where the User Directory file lives; one that
// stays the same from one start to the next, never the working directory.
class DocsFolder {
public:
    virtual ~DocsFolder() = default;
    // The folder's path (UTF-8), or nothing when there is no such folder.
    virtual std::optional<std::string> DocumentsFolder() const = 0;
};
