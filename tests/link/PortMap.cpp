#include "PortMap.h"

#include "CPrivateProfile.h"
#include "PortNamespace.h"

PortMap::PortMap() : m_pProfile(std::make_shared<CPrivateProfile>(m_folder / "Quendix.ini")) {
    std::string text = "[Ports]\r\n";
    for (int port = 1; port <= 32; ++port)
        text += "COM" + std::to_string(port) + "=" + Absent() + "\r\n";
    TempFolder::WriteAll(m_folder / "Quendix.ini", text);
    ConfigurePortNamespace(m_pProfile);
}

PortMap::~PortMap() {
    ConfigurePortNamespace(nullptr);
}

void PortMap::Map(const std::string& strPort, const std::string& strDevice) {
    m_pProfile->WriteProfileString("Ports", strPort, strDevice);
}
