#pragma once
// The registry as the About box reads it: open a key, query one value, close the key.
// Return codes follow the registry's own: 0 is success, anything else a failure.
#include <QByteArray>
#include <QString>
#include <cstdint>

using RegKey = std::uintptr_t;

namespace reg {
inline constexpr RegKey LocalMachine = 0x80000002;
// Every right on the key, the way the About box has always opened it.
inline constexpr std::uint32_t FullAccess = 0x2003F;
// Value types.
inline constexpr std::uint32_t String = 1;  // REG_SZ
inline constexpr std::uint32_t Dword = 4;   // REG_DWORD, 32 bits, lowest byte first
// Return codes.
inline constexpr long Success = 0;
inline constexpr long FileNotFound = 2;
inline constexpr long MoreData = 234;
}  // namespace reg

class Registry {
public:
    virtual ~Registry() = default;
    // Opens `keyName` below `root`; on success `key` is the new handle.
    virtual long OpenKey(RegKey root, const QString& keyName, std::uint32_t access, RegKey& key) = 0;
    // Reads `valueName` into the first `size` bytes of `data`; on success `type` is the value's
    // type and `size` the number of bytes written. A value longer than `size` is MoreData.
    virtual long QueryValue(RegKey key, const QString& valueName, std::uint32_t& type, QByteArray& data,
                            std::uint32_t& size) = 0;
    virtual long CloseKey(RegKey key) = 0;
};

// This desktop keeps no such registry: every key is missing.
class NoRegistry : public Registry {
public:
    long OpenKey(RegKey, const QString&, std::uint32_t, RegKey& key) override
    {
        key = 0;
        return reg::FileNotFound;
    }
    long QueryValue(RegKey, const QString&, std::uint32_t&, QByteArray&, std::uint32_t&) override
    {
        return reg::FileNotFound;
    }
    long CloseKey(RegKey) override { return reg::Success; }
};
