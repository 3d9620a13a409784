#pragma once
// Observations of the running program from outside, shared by the drills.

#include "Installation.h"
#include "PtyFarEnd.h"

#include <chrono>
#include <filesystem>
#include <string>

// Waits until the program runs and catches SIGTERM: from then on a termination signal closes
// it the normal way, whatever start-up step it is in.
bool WaitUntilItCatchesSigterm(const ProgramProcess& program);

// The share of one core the program used over the interval (0.25 is a quarter), with the test's
// event loop running meanwhile.
double CpuShareOver(const ProgramProcess& program, std::chrono::milliseconds interval);

// Whether the program holds the file open.
bool HoldsOpen(const ProgramProcess& program, const std::filesystem::path& file);

// One interrogation from the installation's program, answered with the telegram, which it logs.
void Exchange(PtyFarEnd& unit, const Installation& installation, const std::string& telegram);
