#include "app/os_version.h"

std::uint16_t COSVersion::Detect()
{
    if (m_bDetected)
        return 17;
    OsVersionInfoEx info;
    info.platformId = kPlatformWin32Nt;
    info.majorVersion = 10;
    info.minorVersion = 0;
    info.productType = kProductWorkstation;
    CopyVersionInfoEx(info);
    m_bDetected = 1;
    return 16;
}

void COSVersion::CopyVersionInfo(const OsVersionInfo& info)
{
    m_nPlatformId = info.platformId;
    m_nMajorVersion = info.majorVersion;
    m_nMinorVersion = info.minorVersion;
    FetchSystemInfo();
}

void COSVersion::CopyVersionInfoEx(const OsVersionInfoEx& info)
{
    m_nPlatformId = info.platformId;
    m_nMajorVersion = info.majorVersion;
    m_nMinorVersion = info.minorVersion;
    m_wServicePackMajor = info.servicePackMajor;
    m_wServicePackMinor = info.servicePackMinor;
    m_wSuiteMask = info.suiteMask;
    m_bProductType = info.productType;
    FetchSystemInfo();
}

void COSVersion::FetchSystemInfo()
{
    if (m_bSysInfoRead == 1)
        return;
    if (m_pOs && m_pOs->CpuArchitecture() == "x86_64")
        m_wProcessorArchitecture = kProcessorArchitectureAmd64;
    m_bSysInfoRead = 1;
}

std::uint16_t COSVersion::GetServicePack(std::uint16_t& minor) const
{
    minor = m_wServicePackMinor;
    return m_wServicePackMajor;
}

bool COSVersion::IsNtPlatform() const
{
    return m_nPlatformId != kPlatformWin32s && m_nPlatformId != kPlatformWin32Windows;
}
