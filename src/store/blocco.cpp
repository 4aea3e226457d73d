#include "store/blocco.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>
#include <thread>

#include "store/errore.h"

namespace ruotario {
namespace {

constexpr std::chrono::milliseconds kAttesaPredefinita{5000};
constexpr std::chrono::milliseconds kPasso{10};

std::chrono::milliseconds attesa = kAttesaPredefinita;

}  // namespace

std::chrono::milliseconds AttesaBlocco() {
    return attesa;
}

void SetAttesaBlocco(std::chrono::milliseconds nuova) {
    attesa = nuova;
}

BloccoCartella::BloccoCartella(const std::filesystem::path& cartella) {
    const std::filesystem::path dir = cartella.empty() ? std::filesystem::path(".") : cartella;
    do {
        fd_ = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0)
        throw Errore("Impossibile usare la cartella \"" + dir.string() +
                     "\": " + MotivoDiSistema(errno) + ".");
    const auto scadenza = std::chrono::steady_clock::now() + attesa;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int codice = errno;
        if (codice == EINTR) continue;
        if (codice != EWOULDBLOCK || std::chrono::steady_clock::now() >= scadenza) {
            ::close(fd_);
            if (codice != EWOULDBLOCK)
                throw Errore("Impossibile bloccare la cartella \"" + dir.string() +
                             "\" per scriverci: " + MotivoDiSistema(codice) + ".");
            throw Errore("L'archivio nella cartella \"" + dir.string() +
                             "\" è in uso da un altro programma che lo sta modificando: "
                             "non è stato scritto nulla. Riprovare tra poco.",
                         Gravita::Avviso);
        }
        std::this_thread::sleep_for(kPasso);
    }
}

BloccoCartella::~BloccoCartella() {
    // Closing the folder lets go of the lock.
    ::close(fd_);
}

}  // namespace ruotario
