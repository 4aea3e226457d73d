// importa, esporta, conta: the archive file and the official historical text.
#include <cerrno>
#include <iostream>

#include "cli.h"
#include "store/archivio.h"
#include "store/errore.h"
#include "store/io.h"
#include "store/storico.h"

namespace ruotario::cli {
namespace {

std::string LeggiFile(const std::filesystem::path& file) {
    auto size = Io().Size(file);
    if (!size) throw Errore(MessaggioFile("leggere", file.string(), MotivoDiSistema(ENOENT)));
    return Io().Read(file, 0, static_cast<std::size_t>(*size));
}

void RichiediArchivio(const std::filesystem::path& archivio) {
    if (!Io().Size(archivio)) throw Errore("L'archivio \"" + archivio.string() + "\" non esiste.");
}

}  // namespace

int Importa(Argomenti argomenti) {
    bool sovrascrivi = argomenti.Segnale("--sovrascrivi");
    auto archivio = PercorsoArchivio(argomenti);
    auto nomi = argomenti.Restanti();
    if (nomi.empty()) throw ErroreUso("indicare almeno un file dello storico da importare");
    if (!sovrascrivi && Io().Size(archivio))
        throw Errore("L'archivio \"" + archivio.string() +
                     "\" esiste già: per sostituirlo usare --sovrascrivi.");
    std::vector<TestoStorico> files;
    for (const std::string& nome : nomi)
        files.push_back({nome, LeggiFile(nome)});
    auto draws = ImportaStorico(files);
    SostituisciArchivio(archivio, draws);
    std::cout << "Importate " << draws.size() << " estrazioni in \"" << archivio.string()
              << "\".\n";
    return 0;
}

int Esporta(Argomenti argomenti) {
    auto archivio = PercorsoArchivio(argomenti);
    if (!argomenti.Restanti().empty()) throw ErroreUso("argomenti in più per esporta");
    RichiediArchivio(archivio);
    std::cout << EsportaStorico(LeggiRecord(archivio, 1, ContaRecord(archivio)));
    return 0;
}

int Conta(Argomenti argomenti) {
    auto archivio = PercorsoArchivio(argomenti);
    if (!argomenti.Restanti().empty()) throw ErroreUso("argomenti in più per conta");
    RichiediArchivio(archivio);
    std::int64_t record = ContaRecord(archivio);
    if (record > kMaxEstrazioni) {
        std::cerr << kMsgArchivioTroppoGrande << '\n';
        record = kMaxEstrazioni;
    }
    std::cout << record << '\n';
    return 0;
}

}  // namespace ruotario::cli
