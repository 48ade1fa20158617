// The constants viewer against CODATA 2022.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "reference/Festtabellen.h"

namespace {

// A shown value "d,ddd" or "d,ddd x 10^e" lies within half a unit of its last digit of `soll`.
testing::AssertionResult richtigGerundet(const std::string& text, double soll, int stellen) {
    static const std::regex zahl(R"((-?)([0-9]+),([0-9]+)(?: x 10\^(-?[0-9]+))?.*)");
    std::smatch m;
    if (!std::regex_match(text, m, zahl)) return testing::AssertionFailure() << "keine Zahl: " << text;
    const std::string ziffern = m[2].str() + m[3].str();
    const int exponent = m[4].matched ? std::stoi(m[4].str()) : 0;
    const double einheit = std::pow(10.0, exponent - static_cast<int>(m[3].length()));
    const double ist = (m[1].length() ? -1 : 1) * std::stod(ziffern) * einheit;
    const int gezeigt = static_cast<int>(ziffern.size() - ziffern.find_first_not_of('0'));
    if (gezeigt != stellen)
        return testing::AssertionFailure() << text << ": " << gezeigt << " Stellen statt " << stellen;
    if (std::fabs(ist - soll) > 0.5 * einheit * (1 + 1e-9))
        return testing::AssertionFailure() << text << " ist nicht " << soll << " gerundet";
    return testing::AssertionSuccess();
}

// ---------------------------------------------------------------------------------------------------------
// CODATA 2022 in the unit of each row (kmol where the row says so), with the digits the row has always shown.

struct Konstante {
    std::size_t nr;
    double wert;
    int stellen;
};

const Konstante kCodata2022[] = {
    {1, -273.15, 5},                                    // 0 K
    {2, 6.6446573450e-27, 5},                           // alpha particle mass
    {3, 1.66053906892e-27, 8},                          // atomic mass constant
    {4, 6.02214076e26, 4},                              // Avogadro, per kmol
    {5, 1.380649e-23, 6},                               // Boltzmann
    {6, 5.29177210544e-11, 4},                          // Bohr radius
    {7, 9.2740100657e-24, 4},                           // Bohr magneton
    {8, 2.42631023538e-12, 4},                          // Compton wavelength
    {9, 3.3435837768e-27, 5},                           // deuteron mass
    {10, 8.8541878188e-12, 5},                          // electric constant
    {11, 1.602176634e-19, 5},                           // elementary charge
    {12, 1.75882000838e11, 5},                          // electron charge to mass quotient
    {13, 2.8179403205e-15, 5},                          // classical electron radius
    {14, 8.1871057880e-14, 4},                          // electron mass energy equivalent
    {15, 9.1093837139e-31, 5},                          // electron mass
    {16, 9.648533212e7, 5},                             // Faraday, per kmol
    {17, 6.67430e-11, 4},                               // Newtonian constant of gravitation
    {18, 299792458, 6},                                 // speed of light
    {19, 2.686780111e25, 5},                            // Loschmidt (273,15 K, 101,325 kPa)
    {20, 1.25663706127e-6, 5},                          // magnetic constant
    {21, 8.314462618e3, 4},                             // molar gas constant, per kmol
    {22, 22.41396954, 5},                               // molar volume of an ideal gas, per kmol
    {23, 1.50534976514e-10, 5},                         // neutron mass energy equivalent
    {24, 1.67492750056e-27, 5},                         // neutron mass
    {25, 101325, 6},                                    // standard atmosphere
    {26, 6.62607015e-34, 5},                            // Planck
    {27, 9.5788331430e7, 5},                            // proton charge to mass quotient
    {28, 1.50327761802e-10, 5},                         // proton mass energy equivalent
    {29, 1.67262192595e-27, 5},                         // proton mass
    {30, 10973731.568157 / (1 + 5.446170214889e-4), 5}, // R_inf m_p / (m_e + m_p)
    {31, 1.00782503223 * 1.66053906892e-27, 6},         // 1H atom, AME2020 in u
    {32, 376.730313412, 6},                             // impedance of vacuum
    {33, 2.897771955e-3, 5},                            // Wien wavelength displacement
};

TEST(Konstantentabelle, JederWertIstCodata2022AufSeineStellenGerundet) {
    ASSERT_EQ(std::size(kCodata2022), qnt::kPhysKonstanten.size());
    for (const auto& k : kCodata2022) {
        const auto& zeile = qnt::kPhysKonstanten[k.nr - 1];
        EXPECT_TRUE(richtigGerundet(std::string(zeile.Wert), k.wert, k.stellen)) << zeile.Name;
    }
}

} // namespace
