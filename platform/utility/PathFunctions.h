#pragma once
// The program's own location and the one conversion of the program's Windows-style paths
// ("<parent>..\INI\Quendix.ini", "<parent>\DATA\QuendixLog.txt") into host paths.

#include <string>

// The full path of the running executable; empty when the system cannot tell.
std::string MfxGetModulePathName();

// Replaces the path, in place, by the folder that holds it, ending in a separator, so that
// "..\INI\Quendix.ini" or "\DATA\" can be appended directly. A bare file name gives "./".
void MfxPathToParentPath(std::string& path);

// The folder of the running program, ending in a separator: where the INI file and the DATA
// folder are found from, never from the current folder.
std::string ProgramParentPath();

// The host's own part, up to the last '/', stays as it is: a backslash there belongs to a folder's
// name. In the Windows-style part the program appends after it ('\' separators, never '/'),
// '\' becomes '/'. Doubled separators count as one, and "folder/../" and "./" fold away
// lexically (the parent path comes from the resolved executable, so no link is skipped).
std::string HostPath(const std::string& path);

// The installation's INI file, parent path + "..\INI\Quendix.ini", as a host path.
std::string IniFilePath(const std::string& parentPath);
