#pragma once
// A file held open for appending by one process at a time (the data log).

#include <cstddef>
#include <string>

class IFile {
public:
    virtual ~IFile() = default;

    // Opens or creates the file for appending without truncating it and takes exclusive use of it.
    // The path may use Windows separators; the implementation turns it into a host path.
    virtual bool Open(const std::string& path) = 0;
    virtual bool IsOpen() const = 0;
    virtual void SeekToEnd() = 0;
    // Writes all bytes or none: a line that cannot be written whole (a full disk) leaves no part
    // of itself, so the next one does not run into it. The line is in the file when this
    // returns true.
    virtual bool Write(const char* data, std::size_t count) = 0;
    // Has the lines written so far put on the disk without making the caller wait; Close waits
    // for that.
    virtual bool Flush() = 0;
    virtual void Close() = 0;
};
