#pragma once
// The diagnostic output about the data log file: what the operator cannot see in the window.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcDataLog)
