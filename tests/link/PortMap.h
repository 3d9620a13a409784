#pragma once
// Port names mapped to devices, as section "Ports" of the INI file maps them for the program.
// Every COM1 to COM32 starts mapped to a path that does not exist, so no test depends on the
// machine's own ports. A namespace taken earlier sees later mappings.

#include "PortNamespace.h"
#include "TempFolder.h"

#include <map>
#include <memory>
#include <string>

class PortMap {
public:
    PortMap() {
        for (int port = 1; port <= 32; ++port)
            Map("COM" + std::to_string(port), Absent());
    }

    void Map(const std::string& port, const std::string& device) { (*m_pDevices)[port] = device; }
    PortNamespace Namespace() const {
        return PortNamespace([pDevices = m_pDevices](std::string_view port) {
            const auto it = pDevices->find(std::string(port));
            return it == pDevices->end() ? std::string() : it->second;
        });
    }
    std::string Absent() const { return (m_folder / "absent").string(); }
    const TempFolder& Folder() const { return m_folder; }

private:
    TempFolder m_folder;
    std::shared_ptr<std::map<std::string, std::string>> m_pDevices =
        std::make_shared<std::map<std::string, std::string>>();
};
