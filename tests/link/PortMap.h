#pragma once
// The port namespace over a real INI file in a temporary folder. Every COM1 to COM32 starts
// mapped to a path that does not exist, so no test depends on the machine's own ports.

#include "TempFolder.h"

#include <memory>
#include <string>

class CPrivateProfile;

class PortMap {
public:
    PortMap();
    ~PortMap();

    void Map(const std::string& strPort, const std::string& strDevice);
    std::string Absent() const { return (m_folder / "absent").string(); }
    const TempFolder& Folder() const { return m_folder; }

private:
    TempFolder m_folder;
    std::shared_ptr<CPrivateProfile> m_pProfile;
};
