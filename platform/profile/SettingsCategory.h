#pragma once
// "quendix.settings": what happens to the INI file, for the journal.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSettings)
