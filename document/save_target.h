#pragma once
#include <filesystem>
#include <optional>
#include <system_error>

namespace ports {

// Where a save to `path` may write: the file at the end of its symbolic
// links, when that is a regular file or is not there yet. A device, a pipe,
// a folder or a loop of links, named or linked to, gives nothing: a save
// leaves it as it is. Every file the program saves keeps to this, the
// settings file included.
inline std::optional<std::filesystem::path> SaveTarget(std::filesystem::path path)
{
    namespace fs = std::filesystem;
    // Links followed before a loop is assumed.
    constexpr int kMaxLinks = 40;
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(path, ec);
        if (status.type() == fs::file_type::not_found)
            return path;
        if (ec)
            return std::nullopt;
        if (status.type() == fs::file_type::regular)
            return path;
        if (status.type() != fs::file_type::symlink)
            return std::nullopt;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

}  // namespace ports
