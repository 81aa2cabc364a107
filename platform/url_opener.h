#pragma once
#include <functional>

class QUrl;

namespace platform {

// Opens a web page, a mail address or a file with the desktop's handler;
// false when no handler took it.
using UrlOpener = std::function<bool(const QUrl&)>;

// Through QDesktopServices::openUrl unless a ScopedUrlOpener lives.
bool OpenUrl(const QUrl& url);

// Tests put a stub in place of the desktop for their lifetime.
class ScopedUrlOpener {
public:
    explicit ScopedUrlOpener(UrlOpener opener);
    ~ScopedUrlOpener();
    ScopedUrlOpener(const ScopedUrlOpener&) = delete;
    ScopedUrlOpener& operator=(const ScopedUrlOpener&) = delete;

private:
    UrlOpener m_previous;
};

}  // namespace platform
