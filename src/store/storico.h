#pragma once

#include <cstdint>
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

// Turns the files, read in the order given, into draws, a wheel not drawn
// that day left at five 0. The lines of one draw share its date and follow
// the wheel order Bari .. Venezia; a line of another date, or of a wheel
// that is not after the one before it, starts the next draw. So two draws of
// one date, or a draw dated before the one before it, as the archive window
// may save them, come back as they were. Lines of the national wheel (RN)
// are skipped. The first bad line stops everything with an Errore naming the
// file, the line and the reason.
std::vector<DrawRecord> ImportaStorico(const std::vector<TestoStorico>& files);

// The reverse: the same text, Roma as RM, no line for a wheel whose five
// numbers are all 0, so that ImportaStorico gives back the same draws. A
// record the text cannot hold (no numbers at all, a date or a number the
// official form cannot express, a wheel with a gap or a repeated number, a
// draw that could not be told apart from the one before it) is refused,
// naming it.
std::string EsportaStorico(const std::vector<DrawRecord>& draws);

// The records (from 1) whose date is not after the date of the record before.
std::vector<std::int64_t> DateNonCrescenti(const std::vector<DrawRecord>& draws);

// The draws of the official text `storico` that an update appends to an
// archive holding `archivio`: those dated after its last draw, in order. A
// draw of the text on a date the archive holds (the k-th of that date with
// the archive's k-th) must agree with it wheel by wheel, or the update is
// refused naming the date and the wheel. `assenti` counts the draws of the
// text dated up to the last one that the archive lacks: they are not added.
std::vector<DrawRecord> DaAggiungere(const std::vector<DrawRecord>& archivio,
                                     const std::vector<DrawRecord>& storico, std::int64_t& assenti);

}  // namespace ruotario
