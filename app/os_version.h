#pragma once
#include <cstdint>

#include "document/platform_ports.h"

// GetVersionEx's records, the fields the program keeps.
struct OsVersionInfo {
    int platformId = 0;
    int majorVersion = 0;
    int minorVersion = 0;
};

struct OsVersionInfoEx {
    int platformId = 0;
    int majorVersion = 0;
    int minorVersion = 0;
    std::uint16_t servicePackMajor = 0xFFFF;
    std::uint16_t servicePackMinor = 0xFFFF;
    std::uint16_t suiteMask = 0x7F00;
    std::uint8_t productType = 0xFF;
};

constexpr int kPlatformWin32s = 0;
constexpr int kPlatformWin32Windows = 1;
constexpr int kPlatformWin32Nt = 2;
constexpr std::uint8_t kProductWorkstation = 1;
constexpr std::uint16_t kProcessorArchitectureAmd64 = 9;
constexpr std::uint16_t kUnknownWord = 0xFFFF;

// The Windows version record the start-up check and the About box read.
class COSVersion {
public:
    explicit COSVersion(const OsInfo* os = nullptr) : m_pOs(os) {}

    // 16 when this call detected the version, 17 when it was detected
    // before. This build always reports an NT-family Windows 10.0
    // workstation with an unknown service pack: the checks written for
    // Windows must pass, and a kernel major such as 4 or 5 would read as an
    // old Windows.
    std::uint16_t Detect();
    void CopyVersionInfo(const OsVersionInfo& info);
    void CopyVersionInfoEx(const OsVersionInfoEx& info);
    void FetchSystemInfo();

    std::uint16_t GetServicePack(std::uint16_t& minor) const;
    int GetPlatformId() const { return m_nPlatformId; }
    int GetMajorVersion() const { return m_nMajorVersion; }
    int GetMinorVersion() const { return m_nMinorVersion; }
    std::uint8_t GetProductType() const { return m_bProductType; }
    std::uint16_t GetProcessorArchitecture() const { return m_wProcessorArchitecture; }
    bool IsDetected() const { return m_bDetected != 0; }
    bool IsNtPlatform() const;

private:
    const OsInfo* m_pOs;
    std::uint8_t m_bDetected = 0;
    int m_nPlatformId = 0;
    int m_nMajorVersion = 0;
    int m_nMinorVersion = 0;
    std::uint16_t m_wServicePackMajor = kUnknownWord;
    std::uint16_t m_wServicePackMinor = kUnknownWord;
    std::uint16_t m_wSuiteMask = 0x7F00;  // kept, never consulted
    std::uint8_t m_bProductType = 0xFF;
    std::uint8_t m_bSysInfoRead = 0xFF;
    std::uint16_t m_wProcessorArchitecture = kUnknownWord;
};
