#pragma once
// The command line "quantora --kurse-aktualisieren [DATEI]": updates the currency rates of the data
// folder (the current directory) without opening a window.
#include <QString>
#include <QUrl>
#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include "maintain/widgets/Kursquelle.h"

namespace qnt {

// From `datei`, or from the internet without one. Prints one line, UTF-8: what changed to `aus`, or
// the error to `fehler`. Needs a Qt core application. Returns the exit status: 0 done, 1 failed.
int kurseAktualisieren(const std::optional<QString>& datei, std::ostream& aus, std::ostream& fehler,
                       const QUrl& adresse = QUrl(QString::fromLatin1(kEzbKursadresse)),
                       std::chrono::milliseconds frist = kAbruffrist);

// The option of the command line: runs the above under a core application of its own, before any window.
std::optional<int> kurseAktualisierenOption(const std::optional<std::string>& datei, std::ostream& aus,
                                            std::ostream& fehler);

} // namespace qnt
