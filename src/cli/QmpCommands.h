// The commands of qmp over the planner's core.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs the command line Arguments (without the program name) in the working
// directory: what was asked for goes to Out, failures to Err. Returns the
// exit code: 0 done, 1 failed, 2 a command line qmp cannot use.
int RunQmp(const std::vector<std::string>& Arguments, std::ostream& Out, std::ostream& Err);
