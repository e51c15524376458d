#pragma once
#include "register.h"
#include "settings.h"

#include <string>

namespace pesavia {

// The program-wide number and date format, fixed at start-up.
struct FormatProgramme {
    char DecimalSeparator = '.';
    char DateSeparator = '/';
    std::string ShortDateFormat = "dd/mm/yyyy";
    char TimeSeparator = ':';
    std::string ShortTimeFormat = "hh:mm";
    std::string LongTimeFormat = "hh:mm:ss";
    std::string CurrencyString;
    int CurrencyDecimals = 2;
};

// The program-wide state, created by main() and handed to the window models.
struct Programme {
    FormatProgramme Format;
    std::string FichierParam; // the program's folder + "param.ini"
    tparam Param;
    ttbavion Avions;
};

} // namespace pesavia
