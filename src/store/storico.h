#pragma once

#include <string>
#include <vector>

#include "store/draw_record.h"

namespace ruotario {

// The official historical text: one line per wheel per draw,
// "YYYY/MM/DD<TAB>WHEEL<TAB>n1<TAB>n2<TAB>n3<TAB>n4<TAB>n5".
struct TestoStorico {
    std::string nome;  // shown in messages
    std::string testo;
};

// Turns the files, read in the order given, into draws: one per date, oldest
// first, a wheel not drawn that day left at five 0. Lines of the national
// wheel (RN) are skipped. The first bad line stops everything with an Errore
// naming the file, the line and the reason.
std::vector<DrawRecord> ImportaStorico(const std::vector<TestoStorico>& files);

// The reverse: the same text, Roma as RM, no line for a wheel whose five
// numbers are all 0.
std::string EsportaStorico(const std::vector<DrawRecord>& draws);

}  // namespace ruotario
