#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qnt {

// Splits at CR LF, lone CR or lone LF; a final line end adds no empty line.
std::vector<std::string> zerlegeZeilen(std::string_view text);

// Reads a text file as lines. False when the file cannot be opened or read.
bool liesZeilen(std::string_view name, std::vector<std::string>& zeilen);

// Writes every line followed by CR LF, replacing the file whole (safely, through a rename).
bool schreibeZeilen(std::string_view name, const std::vector<std::string>& zeilen);

} // namespace qnt
