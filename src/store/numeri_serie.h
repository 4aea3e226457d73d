#pragma once

#include <vector>

namespace ruotario {

// A series of Lotto numbers as the program keeps and analyses it: up to 20
// numbers, each 1..90. The series window never builds one with a number twice.
constexpr int kMaxNumeriSerie = 20;

inline constexpr const char* kMsgSerieVuota = "Inserire Serie";
inline constexpr const char* kMsgTroppiNumeri = "Inserire non piu' di 20 numeri";

// At most 20 numbers, each 1..90; refused with an Italian message otherwise.
void ControllaNumeri(const std::vector<int>& numeri);

// A series as the series window builds it: 1 to 20 numbers, each 1..90, none
// twice; refused with the series window's messages otherwise.
void ControllaSerie(const std::vector<int>& numeri);

}  // namespace ruotario
