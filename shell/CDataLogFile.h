#pragma once
// The data log file as the program opens it: an opening is told on the "quendix.log" category,
// so the journal says where the replies go; a failure the file itself tells, with its cause.

#include "CFile.h"

class CDataLogFile final : public CFile {
public:
    bool Open(const std::string& path) override;
};
