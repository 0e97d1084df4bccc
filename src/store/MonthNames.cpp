#include "store/MonthNames.h"

const std::array<std::string, 12> MonthNames = {
    "January", "February", "March",    "April",    "May",      "June",
    "July",    "August",   "September", "Octomber", "November", "December"};
