#pragma once
// Starts a program in a mount namespace of its own, through unshare(1), where the machine's
// serial devices lead to /dev/null (a program on default settings opens COM1, which is the
// machine's first UART) and, when asked, one folder is read-only and one is a small disk of
// its own (1 MiB, empty), for a drill to fill. A read-only mount is the one way to deny a
// privileged user a folder: root passes over permission bits. Needs the privilege to make
// mounts; nothing outside the program's namespace is changed, and the small disk goes with it.

#include <QStringList>
#include <filesystem>
#include <string>

// The launcher for ProgramProcess::Start: it runs the command that follows it, which ends with
// the program (another launcher may come first).
QStringList PrivateMounts(const std::filesystem::path& readOnlyFolder = {},
                          const std::filesystem::path& smallDisk = {});

// Empty when the namespace can be made here; otherwise why not.
std::string WhyNoPrivateMounts(const std::filesystem::path& readOnlyFolder = {},
                               const std::filesystem::path& smallDisk = {});
