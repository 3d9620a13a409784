#include "PortDiscovery.h"

#include "PortNamespace.h"

bool ComPortExists(int nPort) {
    return PortDeviceExists("//./COM" + std::to_string(nPort));
}

void EnumerateComPorts(std::vector<std::string>& list, int nHighest) {
    for (int nPort = 1; nPort <= nHighest; ++nPort)
        if (ComPortExists(nPort))
            list.push_back("COM" + std::to_string(nPort));
}

void AppendPortList(std::vector<std::string>& list, const std::string& strCurrentPort) {
    list.push_back(strCurrentPort);
    EnumerateComPorts(list, HIGHEST_PORT_PROBED);
}
