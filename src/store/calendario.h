#pragma once

#include <optional>
#include <string>

namespace ruotario {

// The calendar rules the windows share. Weekday names come from a fixed
// Italian table, so what is shown never depends on the machine's locale.

// Whether day/month/year is a real date of the Gregorian calendar (year 1 and on).
bool DataValida(int giorno, int mese, int anno);

// The last day of the month (28 to 31); month 13 is January of the next year.
int UltimoGiorno(int mese, int anno);

// 0 = lunedì ... 6 = domenica, or nothing for a date that is not real.
std::optional<int> GiornoSettimana(int giorno, int mese, int anno);

// "lunedì" ... "domenica", or an empty text for a date that is not real.
std::string NomeGiorno(int giorno, int mese, int anno);

// A space and the first three letters of the weekday name (" sab"), as shown
// beside a draw's date; empty for a date that is not real.
std::string CellaGiorno(int giorno, int mese, int anno);

// "dd/MM/yyyy" with leading zeros (13/03/2004).
std::string DataBreve(int giorno, int mese, int anno);

}  // namespace ruotario
