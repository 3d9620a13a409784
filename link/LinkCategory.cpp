#include "LinkCategory.h"

Q_LOGGING_CATEGORY(lcLink, "quendix.link")
