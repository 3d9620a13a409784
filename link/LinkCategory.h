#pragma once
// The diagnostic output about the serial link: what the operator cannot see in the window.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcLink)
