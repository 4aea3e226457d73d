#pragma once

class QApplication;

namespace ruotario {

// Everything the program sets up once before its first window: its name and
// version, Italian standard buttons, and free fonts standing in for the
// Windows fonts the windows were designed with.
void PreparaApplicazione(QApplication& app);

}  // namespace ruotario
