#pragma once
// The one place where the core touches the file system. Every operation reports failure to its
// caller; a test can make any single operation fail through the hook below.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace qnt {

// Files are reached by bare name in the current directory only.
bool istBloserDateiname(std::string_view name);

enum class DateiOp { Oeffnen, Erzeugen, Lesen, Schreiben, Sync, Schliessen, Loeschen, Umbenennen };

// Called before every operation; returning true makes the operation fail as if the disk had refused.
// A hook that sets errno before refusing an opening chooses the cause the caller sees (EIO otherwise).
using FehlerHaken = std::function<bool(DateiOp, std::string_view name)>;
void setzeFehlerHaken(FehlerHaken haken);

// True when the hook wants this operation to fail.
bool fehlerInjiziert(DateiOp op, std::string_view name);

// A file of raw bytes, owned; closes on destruction.
class Datei {
public:
    enum class Modus { Lesen, LesenSchreiben, Erzeugen };
    Datei() = default;
    ~Datei();
    Datei(const Datei&) = delete;
    Datei& operator=(const Datei&) = delete;
    Datei(Datei&& o) noexcept;
    Datei& operator=(Datei&& o) noexcept;

    // Refuses names with a path. Erzeugen replaces an existing file with an empty one.
    bool oeffnen(std::string_view name, Modus modus);
    bool offen() const { return f_ != nullptr; }
    // The errno of the last failed opening; 0 after a successful one.
    int oeffnenFehler() const { return oeffnenFehler_; }
    const std::string& name() const { return name_; }

    bool groesse(std::int64_t& bytes);
    bool positioniere(std::int64_t byte);
    // Reads exactly n bytes or fails.
    bool lies(void* ziel, std::size_t n);
    bool schreibe(const void* quelle, std::size_t n);
    // Flushes to the disk (fsync).
    bool sync();
    bool schliessen();

private:
    std::FILE* f_ = nullptr;
    std::string name_;
    int oeffnenFehler_ = 0;
};

bool dateiLoeschen(std::string_view name);
bool dateiUmbenennen(std::string_view alt, std::string_view neu);
bool dateiExistiert(std::string_view name);

// Bytes read from a file. Its room is not zero-filled before a read overwrites it, and it is kept for the
// next read.
class Bytepuffer {
public:
    // Makes the size n; the bytes are undefined until written. Throws std::bad_alloc.
    char* bereite(std::size_t n);
    char* data() { return daten_.get(); }
    const char* data() const { return daten_.get(); }
    std::size_t size() const { return groesse_; }
    bool empty() const { return groesse_ == 0; }
    std::string_view ansicht() const { return {daten_.get(), groesse_}; }

private:
    std::unique_ptr<char[]> daten_;
    std::size_t groesse_ = 0;
    std::size_t kapazitaet_ = 0;
};

// Whole file as bytes in one read.
bool liesGanzeDatei(std::string_view name, Bytepuffer& inhalt);

// Replaces the file by a new one through a temporary file and a rename: a failure leaves the old file whole.
bool schreibeGanzeDateiSicher(std::string_view name, std::string_view inhalt);

} // namespace qnt
