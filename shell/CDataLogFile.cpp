#include "CDataLogFile.h"

#include "DataLogCategory.h"
#include "PathFunctions.h"

bool CDataLogFile::Open(const std::string& path) {
    if (!CFile::Open(path))
        return false;
    qCInfo(lcDataLog, "Log %s opened for appending.", HostPath(path).c_str());
    return true;
}
