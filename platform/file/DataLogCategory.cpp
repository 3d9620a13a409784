#include "DataLogCategory.h"

Q_LOGGING_CATEGORY(lcDataLog, "quendix.log")
