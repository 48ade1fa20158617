// Reading the compiled database in the data folder, shared by the database tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "data/Einheit.h"

namespace dbtest {

// The whole file from the data folder; empty when it is missing.
std::string liesDatei(const std::string& name);
// A missing unit fails the test and gives NaN.
double faktor(const std::string& datei, const std::string& einheit);
// Agreement to 1e-12, relative to the larger value.
testing::AssertionResult relativGleich(double ist, double soll);

} // namespace dbtest
