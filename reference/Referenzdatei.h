#pragma once
// The reference viewers read their files whole; a file that cannot be read goes to the general error report.
#include <string>
#include <string_view>
#include <vector>

namespace qnt {

// Lines of a text file (CR LF, lone CR or LF). Throws LaufzeitFehler "Datei %s kann nicht geöffnet werden".
std::vector<std::string> ladeReferenzzeilen(std::string_view name);

// Bytes of a file. Throws like ladeReferenzzeilen.
std::string ladeReferenzdatei(std::string_view name);

} // namespace qnt
