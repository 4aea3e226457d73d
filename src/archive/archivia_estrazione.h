#pragma once

namespace ruotario {

// The archive window's save request: 1 says the typed draw is not valid,
// 2 asks to archive it and, on Yes, appends it, closes the archive window and
// reloads the main window so that the new draw is counted. Any other value
// does nothing. A failed append is reported and leaves entry as it was.
void ArchiviaEstrazione(int& Modo);

}  // namespace ruotario
