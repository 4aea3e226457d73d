#pragma once

// What the three parts of the archive window (layout, display and
// navigation, entry) share.
#include <QString>
#include <cstdint>
#include <string>

namespace ruotario::archivio {

inline const QString kTitoloArchivio = "Archivio Estrazioni dal 07/01/1871 al ";
inline const QString kTitoloInserimento = "Inserisci Estrazione";

// The height of a date list, which every row of the draw grid takes, in twips.
constexpr int kAltezzaCombo = 390;
// The wheels' rows of the draw grid: Bari to Venezia.
constexpr int kPrimaRiga = 2;
constexpr int kUltimaRiga = 11;

inline QString Testo(std::int64_t numero) {
    return QString::number(static_cast<qlonglong>(numero));
}

inline QString Testo(const std::string& testo) {
    return QString::fromStdString(testo);
}

}  // namespace ruotario::archivio
