// Reading the compiled database in the data folder, shared by the database tests.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "data/Einheit.h"
#include "data/Gebiete.h"

namespace dbtest {

// The whole file from the data folder; empty when it is missing.
std::string liesDatei(const std::string& name);
// Lines ended by CR LF; a last line without one is dropped.
std::vector<std::string> crLfZeilen(const std::string& text);
std::vector<qnt::TEinheitSatz> liesSaetze(const std::string& datei);
// A missing unit fails the test and gives NaN.
double faktor(const std::string& datei, const std::string& einheit);
// Agreement to 1e-12, relative to the larger value.
testing::AssertionResult relativGleich(double ist, double soll);

// The category list and descriptions as shipped, read once.
const qnt::TGebiete& gebiete();
const std::string& gebietsinfo();

} // namespace dbtest
