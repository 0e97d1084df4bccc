// Writes qmp.dat holding the sample trip into the folder given (default: the
// working directory), dated in the current month.
#include <ctime>
#include <exception>
#include <iostream>
#include <string>

#include "SampleTrip.h"

int main(int argc, char** argv) {
  const std::string Folder = argc > 1 ? argv[1] : ".";
  const std::time_t Now = std::time(nullptr);
  const std::tm Today = *std::localtime(&Now);
  try {
    TTravelerData Store;
    AddSampleTrip(Store, Today.tm_year + 1900, Today.tm_mon + 1);
    Store.SaveToFile(Folder + "/qmp.dat");
  } catch (const std::exception& Failure) {
    std::cerr << "qmp-sample: " << Failure.what() << "\n";
    return 1;
  }
  return 0;
}
