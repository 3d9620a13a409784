#include "StoredUnits.h"

#include "QuendixCodes.h"

int UnitsFromStored(int stored) {
    switch (stored) {
    case 1:
        return UNITS_FEET;
    case 2:
        return UNITS_MSEC;
    default:
        return UNITS_METRES;
    }
}

int StoredFromUnits(int units) {
    switch (units) {
    case UNITS_FEET:
        return 1;
    case UNITS_MSEC:
        return 2;
    default:
        return 0;
    }
}
