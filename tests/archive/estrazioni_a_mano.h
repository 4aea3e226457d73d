#pragma once

// The hand-built archive on which the window and `ruotario-cli mostra` are
// both checked, and what they show of it, worked out by hand.
#include "support/archivio_prova.h"

namespace ruotario::prova {

// 30/12/2000, then 4, 6 and 8 January 2001; the 4th without Napoli. On the
// 6th Bari gives 5, Firenze 33 (its 5 is taken), Milano 40, Napoli 50,
// Palermo 60, Roma 70, and Venezia 6 for the Jolly (its 40 is taken);
// Genova runs from 80, Cagliari was not drawn and Torino's last is below 1.
inline std::vector<DrawRecord> ArchivioAMano() {
    DrawRecord senzaNapoli = Estrazione(4, 1, 2001, 1);
    Ruota(senzaNapoli, 6, {0, 0, 0, 0, 0});
    DrawRecord draw = EstrazioneVuota(6, 1, 2001);
    Ruota(draw, 1, {5, 10, 15, 20, 25});
    Ruota(draw, 3, {5, 33, 1, 2, 3});
    for (auto [w, n] : {std::pair{4, 80}, {5, 40}, {6, 50}, {7, 60}, {8, 70}})
        Ruota(draw, w, {n, n + 1, n + 2, n + 3, n + 4});
    Ruota(draw, 9, {86, 87, 88, 89, -2});
    Ruota(draw, 10, {40, 6, 7, 8, 9});
    return {Estrazione(30, 12, 2000), senzaNapoli, draw, Estrazione(8, 1, 2001, 2)};
}

// Draw 3, the second of its year and of its month, in the lines of `mostra`.
inline const char* const kTerzaAMano =
    "Estrazione\t3\nData\t6\t1\t2001\t sab\nAnnuale\t2\nMensile\t2\n"
    "Bari\t5\t10\t15\t20\t25\nCagliari\t-\t-\t-\t-\t-\n"
    "Firenze\t5\t33\t1\t2\t3\nGenova\t80\t81\t82\t83\t84\n"
    "Milano\t40\t41\t42\t43\t44\nNapoli\t50\t51\t52\t53\t54\n"
    "Palermo\t60\t61\t62\t63\t64\nRoma\t70\t71\t72\t73\t74\n"
    "Torino\t86\t87\t88\t89\t-\nVenezia\t40\t6\t7\t8\t9\n"
    "Super Enalotto\t5\t33\t40\t50\t60\t70\nJolly\t6\n"
    "Rossi\t2,1\t4,2\t6,1\t7,1\t8,1\t9,1\t11,2\n";

}  // namespace ruotario::prova
