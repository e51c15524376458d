#pragma once
#include "controls/desktop.h"

#include <optional>
#include <string>
#include <string_view>

namespace pesavia {

// Reads "dd/mm/yyyy" (day and month of one or two digits, blanks around allowed); 31/02/2020 is no date.
std::optional<Date> LitDate(std::string_view text);

// A date in a Windows short date pattern: d, dd, M, MM, yy, yyyy and literal characters ("dd/MM/yyyy").
std::string FormatDate(const Date& date, std::string_view pattern);

bool DateValide(const Date& date);

} // namespace pesavia
