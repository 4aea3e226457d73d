#include "store/io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "store/errore.h"

namespace ruotario {
namespace {

[[noreturn]] void Fallito(const std::string& azione, const std::filesystem::path& file,
                          int codice) {
    throw Errore(MessaggioFile(azione, file.string(), MotivoDiSistema(codice)));
}

// Closes the descriptor on every path out of a call.
class Descrittore {
  public:
    explicit Descrittore(int fd) : fd_(fd) {}
    ~Descrittore() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    int get() const { return fd_; }
    // Closing can report a delayed write error, so writers close explicitly.
    int Chiudi() {
        int esito = ::close(fd_);
        fd_ = -1;
        return esito;
    }

  private:
    int fd_;
};

int Apri(const std::filesystem::path& file, int flags, const std::string& azione) {
    int fd;
    do {
        fd = ::open(file.c_str(), flags | O_CLOEXEC, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) Fallito(azione, file, errno);
    return fd;
}

void ScriviTutto(int fd, const std::filesystem::path& file, std::uint64_t offset,
                 const std::string& data) {
    if (data.empty()) return;
    ssize_t scritti;
    do {
        scritti = ::pwrite(fd, data.data(), data.size(), static_cast<off_t>(offset));
    } while (scritti < 0 && errno == EINTR);
    if (scritti < 0) Fallito("scrivere", file, errno);
    // A regular file takes the whole block in one call unless the disk is full.
    if (static_cast<std::size_t>(scritti) != data.size()) Fallito("scrivere", file, ENOSPC);
}

void Sincronizza(Descrittore& fd, const std::filesystem::path& file) {
    if (::fsync(fd.get()) != 0) Fallito("scrivere", file, errno);
    if (fd.Chiudi() != 0) Fallito("scrivere", file, errno);
}

class SistemaReale : public FileIo {
  public:
    std::optional<std::uint64_t> Size(const std::filesystem::path& file) override {
        struct stat info;
        if (::stat(file.c_str(), &info) != 0) {
            if (errno == ENOENT) return std::nullopt;
            Fallito("leggere", file, errno);
        }
        if (S_ISDIR(info.st_mode)) Fallito("leggere", file, EISDIR);
        return static_cast<std::uint64_t>(info.st_size);
    }

    std::string Read(const std::filesystem::path& file, std::uint64_t offset,
                     std::size_t length) override {
        Descrittore fd(Apri(file, O_RDONLY, "leggere"));
        std::string dati(length, '\0');
        std::size_t letti = 0;
        while (letti < length) {
            ssize_t n = ::pread(fd.get(), dati.data() + letti, length - letti,
                                static_cast<off_t>(offset + letti));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) Fallito("leggere", file, errno);
            if (n == 0) break;
            letti += static_cast<std::size_t>(n);
        }
        dati.resize(letti);
        return dati;
    }

    void WriteAt(const std::filesystem::path& file, std::uint64_t offset,
                 const std::string& data) override {
        Descrittore fd(Apri(file, O_WRONLY | O_CREAT, "scrivere"));
        ScriviTutto(fd.get(), file, offset, data);
        Sincronizza(fd, file);
    }

    void WriteNew(const std::filesystem::path& file, const std::string& data) override {
        Descrittore fd(Apri(file, O_WRONLY | O_CREAT | O_TRUNC, "creare"));
        ScriviTutto(fd.get(), file, 0, data);
        Sincronizza(fd, file);
    }

    void Truncate(const std::filesystem::path& file, std::uint64_t size) override {
        if (::truncate(file.c_str(), static_cast<off_t>(size)) != 0)
            Fallito("riportare alla lunghezza di prima", file, errno);
    }

    void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0) Fallito("sostituire", to, errno);
        // Make the new name itself durable, not only the data behind it.
        int dir = ::open(to.parent_path().empty() ? "." : to.parent_path().c_str(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }

    void Remove(const std::filesystem::path& file) override {
        if (::unlink(file.c_str()) != 0 && errno != ENOENT) Fallito("eliminare", file, errno);
    }
};

SistemaReale& Reale() {
    static SistemaReale reale;
    return reale;
}

FileIo* installato = nullptr;
std::filesystem::path cartella;

}  // namespace

FileIo& Io() {
    return installato ? *installato : Reale();
}
void SetIo(FileIo* io) {
    installato = io;
}
FileIo& RealIo() {
    return Reale();
}

void ReplaceWhole(const std::filesystem::path& file, const std::filesystem::path& temporary,
                  const std::string& data) {
    try {
        Io().WriteNew(temporary, data);
        Io().Rename(temporary, file);
    } catch (const Errore&) {
        try {
            Io().Remove(temporary);
        } catch (const Errore&) {
            // Keep the first failure.
        }
        throw;
    }
}

void WriteOrRestore(const std::filesystem::path& file, std::optional<std::uint64_t> before,
                    std::uint64_t offset, const std::string& data) {
    try {
        Io().WriteAt(file, offset, data);
    } catch (const Errore&) {
        try {
            if (before)
                Io().Truncate(file, *before);
            else
                Io().Remove(file);
        } catch (const Errore&) {
            // The first failure is the one the user must read.
        }
        throw;
    }
}

const std::filesystem::path& AppDir() {
    return cartella;
}
void SetAppDir(const std::filesystem::path& dir) {
    cartella = dir;
}
std::filesystem::path AppFile(const std::string& name) {
    return cartella.empty() ? std::filesystem::path(name) : cartella / name;
}

}  // namespace ruotario
