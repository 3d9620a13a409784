#pragma once
// "quendix.log": what happens to the data log file, for the journal.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcDataLog)
