#pragma once
// The private INI file, with the behaviour of the Windows private-profile functions.

#include <string>
#include <string_view>

class IProfile {
public:
    virtual ~IProfile() = default;

    // The key's leading decimal number; the default when the key is absent.
    virtual int GetProfileInt(std::string_view section, std::string_view key, int nDefault) = 0;
    // The key's value; the default when the key is absent; "" when present and empty.
    virtual std::string GetProfileString(std::string_view section, std::string_view key,
                                         std::string_view strDefault) = 0;
    virtual bool WriteProfileInt(std::string_view section, std::string_view key, int nValue) = 0;
    virtual bool WriteProfileString(std::string_view section, std::string_view key,
                                    std::string_view value) = 0;
};
