#include "store/errore.h"

#include <cerrno>
#include <cstring>

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
        default:
            return "errore di sistema " + std::to_string(codice) + " (" + std::strerror(codice) +
                   ")";
    }
}

std::string MessaggioFile(const std::string& azione, const std::string& nome,
                          const std::string& motivo) {
    return "Impossibile " + azione + " il file \"" + nome + "\": " + motivo + ".";
}

}  // namespace ruotario
