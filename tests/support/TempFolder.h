#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

class TempFolder {
public:
    TempFolder() {
        if (!m_dir.isValid())
            throw std::runtime_error("cannot create a temporary folder");
    }

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    static std::string ReadAll(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    static void WriteAll(const std::filesystem::path& path, std::string_view text) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }

private:
    QTemporaryDir m_dir{QDir::tempPath() + "/quendix-test-XXXXXX"};
    std::filesystem::path m_path = m_dir.path().toStdString();
};
