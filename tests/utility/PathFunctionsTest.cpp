// The parent folder of a path and the conversion of the program's Windows-style paths.
#include "PathFunctions.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(PathFunctions, ParentPathEndsInASeparator) {
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/quendix/bin/quendix", "/opt/quendix/bin/"},
        {"C:\\Quendix\\bin\\Quendix.exe", "C:\\Quendix\\bin\\"},
        {"quendix", "./"},
    };
    for (auto [path, parent] : cases) {
        MfxPathToParentPath(path);
        EXPECT_EQ(path, parent);
    }
    // The program's own folder, as the installation's other folders are found from it.
    const std::filesystem::path program = std::filesystem::canonical("/proc/self/exe");
    EXPECT_EQ(ProgramParentPath(), (program.parent_path() / "").string());
}

TEST(PathFunctions, ProgramPathsBecomeHostPaths) {
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/quendix/bin/\\DATA\\QuendixLog.txt", "/opt/quendix/bin/DATA/QuendixLog.txt"},
        {"/opt/quendix/bin/\\DATA\\", "/opt/quendix/bin/DATA/"},
        {"/opt/a\\b/bin/..\\INI\\Quendix.ini", "/opt/a\\b/INI/Quendix.ini"},
        {".//DATA\\log.txt", "DATA/log.txt"},
        {"..\\INI\\Quendix.ini", "../INI/Quendix.ini"},
        {"", ""},
    };
    for (const auto& [path, host] : cases)
        EXPECT_EQ(HostPath(path), host) << path;
    EXPECT_EQ(IniFilePath("/opt/quendix/bin/"), "/opt/quendix/INI/Quendix.ini");
}
