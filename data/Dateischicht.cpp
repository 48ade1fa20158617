#include "data/Dateischicht.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qnt {
namespace {
FehlerHaken& haken() {
    static FehlerHaken h;
    return h;
}
} // namespace

bool istBloserDateiname(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name)
        if (c == '/' || c == '\\' || c == '\0') return false;
    return true;
}

void setzeFehlerHaken(FehlerHaken h) { haken() = std::move(h); }

bool fehlerInjiziert(DateiOp op, std::string_view name) { return haken() && haken()(op, name); }

Datei::~Datei() {
    if (f_) std::fclose(f_);
}

Datei::Datei(Datei&& o) noexcept : f_(std::exchange(o.f_, nullptr)), name_(std::move(o.name_)) {}

Datei& Datei::operator=(Datei&& o) noexcept {
    if (this != &o) {
        if (f_) std::fclose(f_);
        f_ = std::exchange(o.f_, nullptr);
        name_ = std::move(o.name_);
    }
    return *this;
}

bool Datei::oeffnen(std::string_view name, Modus modus) {
    if (f_) schliessen();
    oeffnenFehler_ = 0;
    if (!istBloserDateiname(name)) {
        oeffnenFehler_ = EINVAL;
        return false;
    }
    errno = 0;
    if (fehlerInjiziert(modus == Modus::Erzeugen ? DateiOp::Erzeugen : DateiOp::Oeffnen, name)) {
        oeffnenFehler_ = errno != 0 ? errno : EIO;
        return false;
    }
    name_ = std::string(name);
    const char* m = modus == Modus::Lesen ? "rb" : modus == Modus::LesenSchreiben ? "r+b" : "w+b";
    f_ = std::fopen(name_.c_str(), m);
    if (!f_) oeffnenFehler_ = errno != 0 ? errno : EIO;
    return f_ != nullptr;
}

bool Datei::groesse(std::int64_t& bytes) {
    if (!f_) return false;
    struct stat st {};
    if (fstat(fileno(f_), &st) != 0) return false;
    bytes = st.st_size;
    return true;
}

bool Datei::positioniere(std::int64_t byte) {
    return f_ && std::fseek(f_, static_cast<long>(byte), SEEK_SET) == 0;
}

bool Datei::lies(void* ziel, std::size_t n) {
    if (!f_ || fehlerInjiziert(DateiOp::Lesen, name_)) return false;
    return std::fread(ziel, 1, n, f_) == n;
}

bool Datei::schreibe(const void* quelle, std::size_t n) {
    if (!f_ || fehlerInjiziert(DateiOp::Schreiben, name_)) return false;
    return std::fwrite(quelle, 1, n, f_) == n;
}

bool Datei::sync() {
    if (!f_ || fehlerInjiziert(DateiOp::Sync, name_)) return false;
    if (std::fflush(f_) != 0) return false;
    return fsync(fileno(f_)) == 0;
}

bool Datei::schliessen() {
    if (!f_) return true;
    const bool injiziert = fehlerInjiziert(DateiOp::Schliessen, name_);
    const bool ok = std::fclose(f_) == 0;
    f_ = nullptr;
    return ok && !injiziert;
}

bool dateiLoeschen(std::string_view name) {
    if (!istBloserDateiname(name) || fehlerInjiziert(DateiOp::Loeschen, name)) return false;
    return std::remove(std::string(name).c_str()) == 0;
}

bool dateiUmbenennen(std::string_view alt, std::string_view neu) {
    if (!istBloserDateiname(alt) || !istBloserDateiname(neu) || fehlerInjiziert(DateiOp::Umbenennen, alt))
        return false;
    return std::rename(std::string(alt).c_str(), std::string(neu).c_str()) == 0;
}

bool dateiExistiert(std::string_view name) {
    if (!istBloserDateiname(name)) return false;
    struct stat st {};
    return stat(std::string(name).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

char* Bytepuffer::bereite(std::size_t n) {
    if (n > kapazitaet_) {
        daten_ = std::make_unique_for_overwrite<char[]>(n);
        kapazitaet_ = n;
    }
    groesse_ = n;
    return daten_.get();
}

bool liesGanzeDatei(std::string_view name, Bytepuffer& inhalt) {
    Datei d;
    if (!d.oeffnen(name, Datei::Modus::Lesen)) return false;
    std::int64_t n = 0;
    if (!d.groesse(n)) return false;
    inhalt.bereite(static_cast<std::size_t>(n));
    if (n > 0 && !d.lies(inhalt.data(), inhalt.size())) return false;
    return d.schliessen();
}

bool schreibeGanzeDateiSicher(std::string_view name, std::string_view inhalt) {
    if (!istBloserDateiname(name)) return false;
    const std::string tmp = std::string(name) + ".neu";
    Datei d;
    if (!d.oeffnen(tmp, Datei::Modus::Erzeugen)) return false;
    const bool ok = d.schreibe(inhalt.data(), inhalt.size()) && d.sync() && d.schliessen();
    if (!ok || !dateiUmbenennen(tmp, name)) {
        d.schliessen();
        dateiLoeschen(tmp);
        return false;
    }
    return true;
}

} // namespace qnt
