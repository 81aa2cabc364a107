#pragma once
#include <optional>
#include <string>

namespace ports {

// The desktop's file dialogs. A filter is Qt's: "Name (*.a *.b);;All Files (*)".
// Paths are in the file system's encoding; nothing means the user cancelled.
class FileDialogPort {
public:
    virtual ~FileDialogPort() = default;

    // Offers `defaultName` and adds `defaultSuffix` to a name typed without
    // one; asks before an existing file is replaced.
    virtual std::optional<std::string> GetSavePath(const std::string& defaultName, const std::string& defaultSuffix,
                                                   const std::string& filter) = 0;
    virtual std::optional<std::string> GetOpenPath(const std::string& filter) = 0;
};

}  // namespace ports
