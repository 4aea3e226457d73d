// The delay analysis against a plain, step-by-step reading of its rules, on
// draws of any content: wheels missing, numbers repeated, out of range or
// negative. The first bytes pick a series of distinct numbers, the rest make
// the draws, one byte a number. Both must agree on every value, and the
// results grid must build.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/analisi.h"
#include "analysis/tabella.h"

namespace {

using ruotario::DrawRecord;
using ruotario::kPosizioni;
using ruotario::kRuote;

void Verifica(bool condizione) {
    if (!condizione) __builtin_trap();
}

// One event's values, wheel 1..10 and 11 for the longest all-wheel delay.
struct Valori {
    std::array<std::int64_t, 12> Rit{};
    std::array<std::int64_t, 11> Sort{}, Stor{};
    std::int64_t Tutte = 0, TotSort = 0;
};

struct Riferimento {
    std::array<std::array<std::int64_t, 11>, 91> RitNumeri{};
    Valori Ambata, Ambo, Terno, Quaterna;
};

// A hit resets the delay after taking back the hit draw's own increment.
void Sortita(Valori& v, int w) {
    v.Tutte = 0;
    ++v.Sort[w];
    if (v.Rit[w] > v.Stor[w]) v.Stor[w] = v.Rit[w] - 1;
    v.Rit[w] = 0;
    ++v.TotSort;
}

void Alza(Valori& v, int w) {
    if (v.Rit[w] > v.Stor[w]) v.Stor[w] = v.Rit[w];
}

Riferimento Calcola(const std::vector<DrawRecord>& d, const std::vector<int>& numeri) {
    Riferimento r;
    const int n = static_cast<int>(numeri.size());
    const int fine = static_cast<int>(d.size()) - 1;
    for (int x : numeri)
        for (int w = 1; w <= kRuote; ++w)
            for (int k = fine; k >= 0; --k) {
                bool conta = true, trovato = false;
                for (int p = 1; p <= kPosizioni; ++p) {
                    if (d[k].Numbers(p, w) == 0) {
                        conta = false;
                        break;
                    }
                    if (d[k].Numbers(p, w) == x) {
                        trovato = true;
                        break;
                    }
                }
                if (trovato) break;
                if (conta) ++r.RitNumeri[x][w];
            }
    Valori* eventi[] = {&r.Ambo, &r.Terno, &r.Quaterna};
    for (const DrawRecord& e : d) {
        if (n == 1) ++r.Ambata.Tutte;
        if (n >= 2)
            for (Valori* v : eventi)
                ++v->Tutte;
        for (int w = 1; w <= kRuote; ++w) {
            if (e.Numbers(1, w) == 0) continue;
            if (n == 1) ++r.Ambata.Rit[w];
            if (n >= 2)
                for (Valori* v : eventi)
                    ++v->Rit[w];
            int Sum = 0;
            for (int x : numeri)
                for (int p = 1; p <= kPosizioni; ++p)
                    Sum += e.Numbers(p, w) == x;
            if (Sum == 0)
                for (Valori* v : {&r.Ambata, &r.Ambo, &r.Terno, &r.Quaterna})
                    if (v->Rit[w] > v->Stor[w]) v->Stor[w] = v->Rit[w] - 1;
            if (n == 1 && Sum == 1) Sortita(r.Ambata, w);
            if (n >= 2) {
                for (int ordine = 0; ordine < 3; ++ordine)
                    if (Sum >= ordine + 2)
                        Sortita(*eventi[ordine], w);
                    else if (Sum >= 2)
                        Alza(*eventi[ordine], w);
            }
            for (Valori* v : {&r.Ambata, &r.Ambo, &r.Terno, &r.Quaterna})
                Alza(*v, w);
        }
        for (Valori* v : {&r.Ambata, &r.Ambo, &r.Terno, &r.Quaterna})
            if (v->Tutte >= v->Rit[11]) v->Rit[11] = v->Tutte;
    }
    for (int w = 1; w <= kRuote; ++w) {
        if (n >= 2 && r.Ambo.Rit[w] == 0 && r.Ambo.Sort[w] == 0) {
            for (Valori* v : eventi)
                v->Rit[w] = v->Sort[w] = v->Stor[w] = -1;
            for (int x : numeri)
                r.RitNumeri[x][w] = -1;
        }
        if (n == 1 && r.Ambata.Sort[w] == 0 && r.Ambata.Rit[w] == 0)
            r.Ambata.Rit[w] = r.Ambata.Sort[w] = r.Ambata.Stor[w] = -1;
    }
    return r;
}

void Confronta(const Valori& atteso, const ruotario::Evento& e) {
    for (int w = 1; w <= kRuote; ++w) {
        Verifica(e.Rit[w] == atteso.Rit[w]);
        Verifica(e.Sort[w] == atteso.Sort[w]);
        Verifica(e.Stor[w] == atteso.Stor[w]);
    }
    Verifica(e.Rit[11] == atteso.Rit[11]);
    Verifica(e.RitTutte == atteso.Tutte);
    Verifica(e.TotSort == atteso.TotSort);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    if (dimensione < 2) return 0;
    std::size_t quanti = dati[0] % 20 + 1;
    std::vector<int> numeri;
    std::size_t i = 1;
    for (; i < dimensione && numeri.size() < quanti; ++i) {
        int x = dati[i] % 90 + 1;
        bool nuovo = true;
        for (int y : numeri)
            nuovo = nuovo && y != x;
        if (nuovo) numeri.push_back(x);
    }
    std::vector<DrawRecord> draws;
    constexpr std::size_t kByte = kRuote * kPosizioni;
    for (; i + kByte <= dimensione; i += kByte) {
        DrawRecord d;
        // Mostly real numbers, with empty slots, negatives and values past 90.
        for (std::size_t c = 0; c < kByte; ++c)
            d.Cells[c] = static_cast<std::int16_t>(dati[i + c] % 96) - 2;
        draws.push_back(d);
    }
    if (draws.empty() || numeri.empty()) return 0;

    auto risultato = ruotario::Analizza(draws, numeri);
    Riferimento atteso = Calcola(draws, numeri);
    Verifica(risultato.Numeri == numeri);
    for (std::size_t k = 0; k < numeri.size(); ++k)
        for (int w = 1; w <= kRuote; ++w)
            Verifica(risultato.RitNumeri[k][w] == atteso.RitNumeri[numeri[k]][w]);
    if (numeri.size() == 1) {
        Confronta(atteso.Ambata, risultato.Ambata);
    } else {
        Confronta(atteso.Ambo, risultato.Ambo);
        Confronta(atteso.Terno, risultato.Terno);
        Confronta(atteso.Quaterna, risultato.Quaterna);
    }

    ruotario::TabellaRisultati tabella(risultato);
    Verifica(tabella.Colonne() == ruotario::ColonneGriglia(static_cast<int>(numeri.size())));
    return 0;
}
