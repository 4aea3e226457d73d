#include "support/io_guasto.h"

#include "store/errore.h"

namespace ruotario::prova {
namespace {

[[noreturn]] void Lancia(const char* azione, const std::filesystem::path& file, int codice) {
    throw Errore(MessaggioFile(azione, file.string(), MotivoDiSistema(codice)));
}

}  // namespace

IoGuasto::IoGuasto() {
    SetIo(this);
}
IoGuasto::~IoGuasto() {
    SetIo(nullptr);
}

void IoGuasto::Fallisci(Op op, int codice, int volta) {
    guasti_[op] = {volta, codice};
}

int IoGuasto::Chiamate(Op op) const {
    auto trovato = chiamate_.find(op);
    return trovato == chiamate_.end() ? 0 : trovato->second;
}

int IoGuasto::Conta(Op op) {
    int numero = ++chiamate_[op];
    auto guasto = guasti_.find(op);
    return guasto != guasti_.end() && guasto->second.first == numero ? guasto->second.second : 0;
}

std::optional<std::uint64_t> IoGuasto::Size(const std::filesystem::path& file) {
    if (int codice = Conta(Op::Size)) Lancia("leggere", file, codice);
    return RealIo().Size(file);
}

std::string IoGuasto::Read(const std::filesystem::path& file, std::uint64_t offset,
                           std::size_t length) {
    if (int codice = Conta(Op::Read)) Lancia("leggere", file, codice);
    return RealIo().Read(file, offset, length);
}

void IoGuasto::WriteAt(const std::filesystem::path& file, std::uint64_t offset,
                       const std::string& data) {
    if (int codice = Conta(Op::WriteAt)) {
        if (parziale_ > 0) RealIo().WriteAt(file, offset, data.substr(0, parziale_));
        Lancia("scrivere", file, codice);
    }
    RealIo().WriteAt(file, offset, data);
}

std::string IoGuasto::ReadStream(const std::filesystem::path& input) {
    if (int codice = Conta(Op::ReadStream)) Lancia("leggere", input, codice);
    return RealIo().ReadStream(input);
}

std::filesystem::path IoGuasto::WriteBeside(const std::filesystem::path& file,
                                            const std::string& data) {
    if (int codice = Conta(Op::WriteBeside)) {
        // Part of the copy reaches the disk, then it is removed, as the real one does.
        if (parziale_ > 0) RealIo().Remove(RealIo().WriteBeside(file, data.substr(0, parziale_)));
        Lancia("scrivere", file, codice);
    }
    return RealIo().WriteBeside(file, data);
}

void IoGuasto::Truncate(const std::filesystem::path& file, std::uint64_t size) {
    if (int codice = Conta(Op::Truncate)) Lancia("riportare alla lunghezza di prima", file, codice);
    RealIo().Truncate(file, size);
}

void IoGuasto::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (int codice = Conta(Op::Rename)) Lancia("sostituire", to, codice);
    RealIo().Rename(from, to);
}

void IoGuasto::Remove(const std::filesystem::path& file) {
    if (int codice = Conta(Op::Remove)) Lancia("eliminare", file, codice);
    RealIo().Remove(file);
}

std::vector<std::filesystem::path> IoGuasto::List(const std::filesystem::path& dir,
                                                  const std::string& prefix) {
    if (int codice = Conta(Op::List))
        throw Errore(MessaggioCartella(dir.string(), MotivoDiSistema(codice)));
    return RealIo().List(dir, prefix);
}

}  // namespace ruotario::prova
