#pragma once
// A scratch installation of the real program: bin/quendix, bin/DATA/ and INI/Quendix.ini in a
// temporary folder, and the copy of the program started from it.

#include "ProgramProcess.h"
#include "TempFolder.h"

#include <filesystem>
#include <string>

class Installation {
public:
    explicit Installation(const std::string& ini);

    std::filesystem::path ProgramPath() const { return m_folder / "bin" / "quendix"; }
    std::filesystem::path IniPath() const { return m_folder / "INI" / "Quendix.ini"; }
    std::string Ini() const { return TempFolder::ReadAll(IniPath()); }
    std::filesystem::path DataFolder() const { return m_folder / "bin" / "DATA"; }
    std::filesystem::path LogPath() const { return DataFolder() / "QuendixLog.txt"; }
    std::string Log() const { return TempFolder::ReadAll(LogPath()); }
    // The log with each line cut down to its telegram.
    std::string Telegrams() const;

    // The installation's own copy of the program.
    ProgramProcess& Program() { return m_program; }

private:
    TempFolder m_folder;
    ProgramProcess m_program{ProgramPath()};
};

// Settings that map COM1 to the unit's device and interrogate it every second.
std::string UnitIni(const std::string& device);
