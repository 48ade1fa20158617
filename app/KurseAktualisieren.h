#pragma once
// The command line "quantora --kurse-aktualisieren [DATEI]": updates the currency rates of the data
// folder (the current directory) without opening a window.
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <ostream>

#include "maintain/widgets/Kursquelle.h"

namespace qnt {

inline constexpr const char* kKurseAktualisierenOption = "--kurse-aktualisieren";

// `argumente` are those after the option: none (fetch from the internet) or one file. Prints one line,
// UTF-8: what changed to `aus`, or the error to `fehler`. Needs a running Qt core application.
// Returns the exit status: 0 done, 1 failed, 2 wrong call.
int kurseAktualisieren(const QStringList& argumente, std::ostream& aus, std::ostream& fehler,
                       const QUrl& adresse = QUrl(QString::fromLatin1(kEzbKursadresse)),
                       std::chrono::milliseconds frist = kAbruffrist);

} // namespace qnt
