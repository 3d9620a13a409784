#pragma once
// The serial ports offered to the operator: probed as COM1 up to a highest number, each through
// the namespace that says which device a port name stands for.

#include <string>
#include <vector>

class PortNamespace;

inline constexpr int HIGHEST_PORT_PROBED = 32;

// True when a device is really there for port n, or it leads to a network address.
bool ComPortExists(int nPort, const PortNamespace& ports);

// Appends "COMn" for every present port from 1 up to and including nHighest, in ascending
// order; what the list held stays in front. Nothing when nHighest is below 1.
void EnumerateComPorts(std::vector<std::string>& list, int nHighest, const PortNamespace& ports);

// The settings dialog's port list: the current port as stored, whether or not it exists, then
// every present port up to HIGHEST_PORT_PROBED. A present current port is thus listed twice.
void AppendPortList(std::vector<std::string>& list, const std::string& strCurrentPort,
                    const PortNamespace& ports);
