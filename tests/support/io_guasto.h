#pragma once

#include <functional>
#include <map>

#include "store/errore.h"
#include "store/io.h"

namespace ruotario::prova {

// The real file system, except for the calls told to fail: the n-th call of an
// operation throws as the system would (disk full, read-only disk, ...). A
// failing WriteAt or WriteBeside may first write part of its data, as a full
// disk does (a partial copy is then removed, as the real one is). Installed
// for the life of the object.
class IoGuasto : public FileIo {
    using Path = std::filesystem::path;

  public:
    enum class Op { Size, Read, ReadStream, WriteAt, WriteBeside, Truncate, Rename, Remove, List };

    IoGuasto() { SetIo(this); }
    ~IoGuasto() override { SetIo(nullptr); }

    // The `volta`-th call (from 1) of `op` fails with the system error `codice`.
    void Fallisci(Op op, int codice, int volta = 1) { guasti_[op] = {volta, codice}; }
    // A failing write writes this many bytes before it fails.
    void ScritturaParziale(std::size_t byte) { parziale_ = byte; }
    int Chiamate(Op op) const { return chiamate_.count(op) ? chiamate_.at(op) : 0; }

    std::optional<std::uint64_t> Size(const Path& f) override {
        return Reale(Op::Size, "leggere", f).Size(f);
    }
    std::string Read(const Path& f, std::uint64_t da, std::size_t n) override {
        return Reale(Op::Read, "leggere", f).Read(f, da, n);
    }
    std::string ReadStream(const Path& f) override {
        return Reale(Op::ReadStream, "leggere", f).ReadStream(f);
    }
    void WriteAt(const Path& f, std::uint64_t da, const std::string& dati) override {
        Reale(Op::WriteAt, "scrivere", f, [&] {
            RealIo().WriteAt(f, da, dati.substr(0, parziale_));
        }).WriteAt(f, da, dati);
    }
    Path WriteBeside(const Path& f, const std::string& dati) override {
        // A partial copy is removed, as the real one removes it.
        auto parte = [&] { RealIo().Remove(RealIo().WriteBeside(f, dati.substr(0, parziale_))); };
        return Reale(Op::WriteBeside, "scrivere", f, parte).WriteBeside(f, dati);
    }
    void Truncate(const Path& f, std::uint64_t n) override {
        Reale(Op::Truncate, "riportare alla lunghezza di prima", f).Truncate(f, n);
    }
    void Rename(const Path& da, const Path& a) override {
        Reale(Op::Rename, "sostituire", a).Rename(da, a);
    }
    void Remove(const Path& f) override { Reale(Op::Remove, "eliminare", f).Remove(f); }
    std::vector<Path> List(const Path& cartella, const std::string& prefisso) override {
        return Reale(Op::List, nullptr, cartella).List(cartella, prefisso);
    }

  private:
    // Counts the call of `op` and hands it to the real file system; one that
    // is to fail writes its part first, if any, and throws what the system's
    // failure to `azione` the file (nullptr: to list the folder) gives.
    FileIo& Reale(Op op, const char* azione, const Path& file,
                  const std::function<void()>& parte = {}) {
        const int numero = ++chiamate_[op];
        const auto [volta, codice] = guasti_.count(op) ? guasti_[op] : std::pair(0, 0);
        if (volta != numero || !codice) return RealIo();
        if (parte && parziale_ > 0) parte();
        const std::string motivo = MotivoDiSistema(codice);
        throw Errore(azione ? MessaggioFile(azione, file.string(), motivo)
                            : MessaggioCartella(file.string(), motivo));
    }

    std::map<Op, int> chiamate_;
    std::map<Op, std::pair<int, int>> guasti_;  // op -> (call number, errno)
    std::size_t parziale_ = 0;
};

}  // namespace ruotario::prova
