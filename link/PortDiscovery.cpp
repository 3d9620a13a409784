#include "PortDiscovery.h"

#include "PortNamespace.h"

bool ComPortExists(int nPort, const PortNamespace& ports) {
    return ports.IsPresent("//./COM" + std::to_string(nPort));
}

void EnumerateComPorts(std::vector<std::string>& list, int nHighest, const PortNamespace& ports) {
    for (int nPort = 1; nPort <= nHighest; ++nPort)
        if (ComPortExists(nPort, ports))
            list.push_back("COM" + std::to_string(nPort));
}

void AppendPortList(std::vector<std::string>& list, const std::string& strCurrentPort,
                    const PortNamespace& ports) {
    list.push_back(strCurrentPort);
    EnumerateComPorts(list, HIGHEST_PORT_PROBED, ports);
}
