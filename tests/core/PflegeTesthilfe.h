#pragma once
// Shared helpers of the core tests: a temporary current directory, records with recognisable bytes,
// whole-file comparisons and a guard for the file layer's failure hook.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/Dateischicht.h"
#include "data/Einheit.h"

namespace pflegetest {

// Makes a fresh temporary directory the current directory for the lifetime of the object. It lies inside
// a second fresh one, so that "../X" stays within the test's own folders; the failure hook is reset at the end.
class TempOrdner {
public:
    TempOrdner();
    ~TempOrdner();
    TempOrdner(const TempOrdner&) = delete;
    TempOrdner& operator=(const TempOrdner&) = delete;
    const std::filesystem::path& pfad() const { return pfad_; }
    // Names of the regular files in the directory, sorted.
    std::vector<std::string> dateien() const;

private:
    std::filesystem::path alt_;
    std::filesystem::path huelle_;
    std::filesystem::path pfad_;
};

class OrdnerTest : public ::testing::Test {
protected:
    TempOrdner ordner;
};

// Resets the failure hook when it goes out of scope.
struct HakenWaechter {
    HakenWaechter() = default;
    explicit HakenWaechter(qnt::FehlerHaken h) { qnt::setzeFehlerHaken(std::move(h)); }
    ~HakenWaechter() { qnt::setzeFehlerHaken(nullptr); }
    HakenWaechter(const HakenWaechter&) = delete;
    HakenWaechter& operator=(const HakenWaechter&) = delete;
};

// A record whose reserved bytes carry a pattern, so that a copy that loses them shows.
qnt::TEinheitSatz satz(std::string_view name, std::uint8_t angezeigt = 1, std::uint8_t landNr = 1,
                       double faktor = 1.0);

void schreibeSaetze(std::string_view datei, const std::vector<qnt::TEinheitSatz>& saetze);
std::string bytesVon(std::string_view datei);
void schreibeBytes(std::string_view datei, std::string_view bytes);
std::string bytesAus(const std::vector<qnt::TEinheitSatz>& saetze);
std::vector<std::string> namenIn(std::string_view datei);

// Test names of parameterised suites from the `name` member of the parameter.
struct NachName {
    template <class T> std::string operator()(const ::testing::TestParamInfo<T>& p) const {
        return p.param.name;
    }
};

// Number of open file descriptors of this process.
int offeneDateien();

} // namespace pflegetest
