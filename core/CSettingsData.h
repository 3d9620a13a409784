#pragma once
// What the settings command hands to the settings dialog and takes back from it.

#include "QuendixCodes.h"

#include <string>
#include <vector>

struct CSettingsData {
    double m_dOffsetMetric = 0.0;
    std::vector<std::string> m_arrComPorts;
    unsigned m_nPeriod = 0;
    unsigned m_nTpdrNo = 0;
    std::string m_strBaudRate;
    std::string m_strComPort;
    int m_nUnits = UNITS_METRES;
    double m_dSoundSpeedMetric = 0.0;
    bool m_bLinkChanged = false;
};
