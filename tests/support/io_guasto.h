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
    using P = const std::filesystem::path&;
    using N = std::uint64_t;

  public:
    enum class Op { Size, Read, ReadStream, WriteAt, WriteBeside, Truncate, Rename, Remove, List };

    IoGuasto() { SetIo(this); }
    ~IoGuasto() override { SetIo(nullptr); }

    // The `volta`-th call (from 1) of `op` fails with the system error `codice`.
    void Fallisci(Op op, int codice, int volta = 1) { guasti_[op] = {volta, codice}; }
    // A failing write writes this many bytes before it fails.
    void ScritturaParziale(std::size_t byte) { parziale_ = byte; }
    int Chiamate(Op op) const { return chiamate_.count(op) ? chiamate_.at(op) : 0; }

    std::optional<N> Size(P f) override { return Sys(Op::Size, f).Size(f); }
    std::string Read(P f, N da, std::size_t n) override { return Sys(Op::Read, f).Read(f, da, n); }
    std::string ReadStream(P f) override { return Sys(Op::ReadStream, f).ReadStream(f); }
    void WriteAt(P f, N da, const std::string& dati) override {
        auto parte = [&] { RealIo().WriteAt(f, da, dati.substr(0, parziale_)); };
        Sys(Op::WriteAt, f, parte).WriteAt(f, da, dati);
    }
    std::filesystem::path WriteBeside(P f, const std::string& dati) override {
        auto parte = [&] { RealIo().Remove(RealIo().WriteBeside(f, dati.substr(0, parziale_))); };
        return Sys(Op::WriteBeside, f, parte).WriteBeside(f, dati);
    }
    void Truncate(P f, N n) override { Sys(Op::Truncate, f).Truncate(f, n); }
    void Rename(P da, P a) override { Sys(Op::Rename, a).Rename(da, a); }
    void Remove(P f) override { Sys(Op::Remove, f).Remove(f); }
    std::vector<std::filesystem::path> List(P d, const std::string& p) override {
        return Sys(Op::List, d).List(d, p);
    }

  private:
    // Counts the call of `op` and hands it to the real file system; one that
    // is to fail writes its part first, if any, and throws what the system's
    // failure on that file (or folder, for List) gives.
    FileIo& Sys(Op op, P file, const std::function<void()>& parte = {}) {
        const int numero = ++chiamate_[op];
        const auto [volta, codice] = guasti_.count(op) ? guasti_[op] : std::pair(0, 0);
        if (volta != numero || !codice) return RealIo();
        if (parte && parziale_ > 0) parte();
        const char* azioni[] = {"leggere",    "leggere",  "leggere",
                                "scrivere",   "scrivere", "riportare alla lunghezza di prima",
                                "sostituire", "eliminare"};
        const std::string motivo = MotivoDiSistema(codice);
        throw Errore(op == Op::List ? MessaggioCartella(file.string(), motivo)
                                    : MessaggioFile(azioni[int(op)], file.string(), motivo));
    }

    std::map<Op, int> chiamate_;
    std::map<Op, std::pair<int, int>> guasti_;  // op -> (call number, errno)
    std::size_t parziale_ = 0;
};

}  // namespace ruotario::prova
