#include "store/errore.h"

#include <cerrno>

namespace ruotario {

std::string MotivoDiSistema(int codice) {
    switch (codice) {
        case ENOENT:
            return "il file o la cartella non esiste";
        case EACCES:
        case EPERM:
            return "accesso negato";
        case ENOSPC:
            return "spazio su disco esaurito";
        case EDQUOT:
            return "quota del disco superata";
        case EROFS:
            return "il disco è in sola lettura";
        case EIO:
            return "errore di lettura o scrittura sul disco";
        case EISDIR:
            return "il nome indica una cartella";
        case ENOTDIR:
            return "una parte del percorso non è una cartella";
        case EMFILE:
        case ENFILE:
            return "troppi file aperti";
        case ENAMETOOLONG:
            return "nome di file troppo lungo";
        case EBUSY:
        case ETXTBSY:
            return "il file è in uso";
        case EFBIG:
            return "file troppo grande";
        case ELOOP:
            return "troppi collegamenti simbolici nel percorso, forse uno rimanda a sé stesso";
        case EEXIST:
            return "il file esiste già";
        case ENXIO:
        case ENODEV:
            return "il dispositivo non è disponibile";
        case EPIPE:
            return "il programma che riceveva i dati ha chiuso il collegamento";
        case EAGAIN:
            return "risorsa temporaneamente non disponibile";
        case EINVAL:
            return "operazione non ammessa su questo file";
        case EXDEV:
            return "il file si trova su un altro disco";
        case EBADF:
            return "il file non è aperto";
        case ESTALE:
            return "il file non è più disponibile sulla rete";
        case ETIMEDOUT:
            return "tempo di attesa scaduto";
        case EOVERFLOW:
            return "file troppo grande per questo sistema";
        default:
            return "errore di sistema " + std::to_string(codice);
    }
}

std::string MessaggioFile(const std::string& azione, const std::string& nome,
                          const std::string& motivo) {
    return "Impossibile " + azione + " il file \"" + nome + "\": " + motivo + ".";
}

std::string MessaggioNonFile(const std::string& nome, bool cartella) {
    return "Impossibile usare \"" + nome +
           "\": " + (cartella ? "è una cartella" : "è una FIFO, un dispositivo o un socket") +
           ", non un file.";
}

std::string MessaggioCartella(const std::string& nome, const std::string& motivo) {
    return "Impossibile leggere la cartella \"" + nome + "\": " + motivo + ".";
}

std::string Quantita(std::int64_t n, const std::string& singolare, const std::string& plurale) {
    return std::to_string(n) + " " + (n == 1 ? singolare : plurale);
}

}  // namespace ruotario
