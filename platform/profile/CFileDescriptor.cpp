#include "CFileDescriptor.h"

#include <cerrno>
#include <unistd.h>

CFileDescriptor::~CFileDescriptor() {
    if (IsOpen())
        ::close(m_fd);
}

std::error_code CFileDescriptor::WriteAt(std::string_view text, off_t offset) const {
    while (!text.empty()) {
        const ssize_t written = ::pwrite(m_fd, text.data(), text.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return LastError();
        text.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return {};
}

std::error_code CFileDescriptor::LastError() {
    return {errno, std::generic_category()};
}
