#pragma once
// What one drawing pass of the homing view shows, read from the document once per pass.

#include "QuendixCodes.h"

#include <string>

struct CHomingReadout {
    int m_nStatus = STAT_NO_TELEGRAM;
    double m_dRange = 0.0; // in display units
    std::string m_strUnitsAbbrev;
    int m_nDirection = DIR_UNDETERMINED;
    int m_nTpdrNo = 0;
    std::string m_strComPort;
    std::string m_strBaudRate; // as shown, e.g. "4,800"
    bool m_bConnected = false;
};
