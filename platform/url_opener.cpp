#include "platform/url_opener.h"

#include <utility>

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

UrlOpener& CurrentOpener()
{
    static UrlOpener opener;
    return opener;
}

}  // namespace

bool OpenUrl(const QUrl& url)
{
    if (const UrlOpener& opener = CurrentOpener())
        return opener(url);
    return QDesktopServices::openUrl(url);
}

ScopedUrlOpener::ScopedUrlOpener(UrlOpener opener) : m_previous(std::exchange(CurrentOpener(), std::move(opener))) {}

ScopedUrlOpener::~ScopedUrlOpener()
{
    CurrentOpener() = std::move(m_previous);
}

}  // namespace platform
