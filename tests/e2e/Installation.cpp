#include "Installation.h"

#include <regex>

Installation::Installation(const std::string& ini) {
    std::filesystem::create_directories(DataFolder());
    std::filesystem::create_directories(IniPath().parent_path());
    // A copy, not a link: the program finds its INI file from its own resolved location.
    std::filesystem::copy_file(QUENDIX_BINARY, ProgramPath());
    TempFolder::WriteAll(IniPath(), ini);
}

std::string Installation::Telegrams() const {
    return std::regex_replace(Log(), std::regex("[^\n]*TelGrm:"), "");
}

std::string UnitIni(const std::string& device) {
    return "[Ports]\r\nCOM1=" + device + "\r\n[Settings]\r\nPeriod=1\r\n";
}
