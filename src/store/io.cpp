#include "store/io.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <random>

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
    // Hands the descriptor over to the caller.
    int Rilascia() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closing can report a delayed write error, so writers close explicitly.
    int Chiudi() {
        int esito = ::close(fd_);
        fd_ = -1;
        return esito;
    }

  private:
    int fd_;
};

// A data file must be a regular file: anything else is refused by name.
void RichiediFile(const struct stat& info, const std::filesystem::path& file) {
    if (S_ISREG(info.st_mode)) return;
    throw Errore(MessaggioNonFile(file.string(), S_ISDIR(info.st_mode)));
}

// Opens a data file. O_NONBLOCK keeps a FIFO put in its place from holding
// the open for ever (it changes nothing for a regular file); the check after
// it refuses whatever is not a file.
int Apri(const std::filesystem::path& file, int flags, const std::string& azione) {
    int fd;
    do {
        fd = ::open(file.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        struct stat info;
        const int codice = errno;
        if ((codice == ENXIO || codice == EISDIR) && ::stat(file.c_str(), &info) == 0)
            RichiediFile(info, file);
        Fallito(azione, file, codice);
    }
    Descrittore guardia(fd);
    struct stat info;
    if (::fstat(fd, &info) != 0) Fallito(azione, file, errno);
    RichiediFile(info, file);
    return guardia.Rilascia();
}

void ScriviTutto(int fd, const std::filesystem::path& file, std::uint64_t offset,
                 const std::string& data) {
    std::size_t scritti = 0;
    while (scritti < data.size()) {
        ssize_t n = ::pwrite(fd, data.data() + scritti, data.size() - scritti,
                             static_cast<off_t>(offset + scritti));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fallito("scrivere", file, errno);
        // A regular file that takes nothing more is full.
        if (n == 0) Fallito("scrivere", file, ENOSPC);
        scritti += static_cast<std::size_t>(n);
    }
}

void Sincronizza(Descrittore& fd, const std::filesystem::path& file) {
    if (::fsync(fd.get()) != 0) Fallito("scrivere", file, errno);
    if (fd.Chiudi() != 0) Fallito("scrivere", file, errno);
}

// Six characters for a file name no other run is using.
std::string Casuale() {
    static constexpr char kSegni[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937_64 generatore{std::random_device{}() ^
                                      static_cast<std::uint64_t>(::getpid())};
    std::string testo(6, ' ');
    for (char& c : testo)
        c = kSegni[generatore() % (sizeof kSegni - 1)];
    return testo;
}

class SistemaReale : public FileIo {
  public:
    std::optional<std::uint64_t> Size(const std::filesystem::path& file) override {
        struct stat info;
        if (::stat(file.c_str(), &info) != 0) {
            if (errno == ENOENT) return std::nullopt;
            Fallito("leggere", file, errno);
        }
        RichiediFile(info, file);
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

    std::string ReadStream(const std::filesystem::path& input) override {
        const bool standard = input == "-";
        const std::string nome = standard ? "standard input" : input.string();
        int fd = STDIN_FILENO;
        if (!standard) {
            do {
                fd = ::open(input.c_str(), O_RDONLY | O_CLOEXEC);
            } while (fd < 0 && errno == EINTR);
            if (fd < 0) Fallito("leggere", nome, errno);
        }
        Descrittore guardia(standard ? -1 : fd);
        std::string dati;
        char blocco[65536];
        while (true) {
            ssize_t n = ::read(fd, blocco, sizeof blocco);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                // A standard input left non-blocking by the caller: wait for more.
                pollfd attesa{fd, POLLIN, 0};
                ::poll(&attesa, 1, -1);
                continue;
            }
            if (n < 0) Fallito("leggere", nome, errno);
            if (n == 0) break;
            dati.append(blocco, static_cast<std::size_t>(n));
        }
        return dati;
    }

    void WriteAt(const std::filesystem::path& file, std::uint64_t offset,
                 const std::string& data) override {
        Descrittore fd(Apri(file, O_WRONLY | O_CREAT, "scrivere"));
        ScriviTutto(fd.get(), file, offset, data);
        Sincronizza(fd, file);
    }

    std::filesystem::path WriteBeside(const std::filesystem::path& file,
                                      const std::string& data) override {
        const std::filesystem::path dir = Cartella(file);
        std::filesystem::path nuovo;
        int fd = -1;
        for (int tentativo = 0; fd < 0; ++tentativo) {
            nuovo = dir / (NuovoPrefisso(file) + Casuale());
            // O_EXCL: a name already taken, a symbolic link included, is never opened.
            fd = ::open(nuovo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
            if (fd < 0 && (errno == EINTR || (errno == EEXIST && tentativo < 100))) continue;
            if (fd < 0) Fallito("scrivere", file, errno);
        }
        Descrittore guardia(fd);
        try {
            ScriviTutto(fd, file, 0, data);
            Sincronizza(guardia, file);
        } catch (const Errore&) {
            ::unlink(nuovo.c_str());
            throw;
        }
        return nuovo;
    }

    void Truncate(const std::filesystem::path& file, std::uint64_t size) override {
        const std::string azione = "riportare alla lunghezza di prima";
        Descrittore fd(Apri(file, O_WRONLY, azione));
        if (::ftruncate(fd.get(), static_cast<off_t>(size)) != 0) Fallito(azione, file, errno);
        if (::fsync(fd.get()) != 0) Fallito(azione, file, errno);
    }

    void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0) Fallito("sostituire", to, errno);
        // Make the new name itself durable, not only the data behind it.
        const std::filesystem::path cartella = Cartella(to);
        const std::string azione = "rendere definitivo su disco";
        Descrittore dir(::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.get() < 0 || ::fsync(dir.get()) != 0) Fallito(azione, to, errno);
    }

    void Remove(const std::filesystem::path& file) override {
        if (::unlink(file.c_str()) != 0 && errno != ENOENT) Fallito("eliminare", file, errno);
    }

    std::vector<std::filesystem::path> List(const std::filesystem::path& dir,
                                            const std::string& prefix) override {
        std::vector<std::filesystem::path> trovati;
        DIR* cartella = ::opendir(dir.c_str());
        if (!cartella) throw Errore(MessaggioCartella(dir.string(), MotivoDiSistema(errno)));
        while (const dirent* voce = ::readdir(cartella)) {
            std::string nome = voce->d_name;
            if (nome.compare(0, prefix.size(), prefix) == 0) trovati.push_back(dir / nome);
        }
        ::closedir(cartella);
        return trovati;
    }
};

SistemaReale& Reale() {
    static SistemaReale reale;
    return reale;
}

FileIo* installato = nullptr;

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

std::filesystem::path Cartella(const std::filesystem::path& file) {
    std::filesystem::path cartella = file.parent_path();
    return cartella.empty() ? std::filesystem::path(".") : cartella;
}

std::string NuovoPrefisso(const std::filesystem::path& file) {
    return file.filename().string() + ".nuovo-";
}

void ReplaceWhole(const std::filesystem::path& file, const std::string& data) {
    // Under the folder's lock nobody else is writing one: any such file was
    // left by a run that was killed.
    for (const std::filesystem::path& avanzo : Io().List(Cartella(file), NuovoPrefisso(file))) {
        try {
            Io().Remove(avanzo);
        } catch (const Errore&) {
            // Not in the way: the new file takes a name of its own.
        }
    }
    const std::filesystem::path nuovo = Io().WriteBeside(file, data);
    try {
        Io().Rename(nuovo, file);
    } catch (const Errore&) {
        try {
            Io().Remove(nuovo);
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

}  // namespace ruotario
