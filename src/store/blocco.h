#pragma once

#include <chrono>
#include <filesystem>

namespace ruotario {

// One writer at a time in a folder: every write to its "Lotto.dat" or "Serie",
// from a window or from ruotario-cli, holds this lock for the whole
// check-and-write, and reads again under it whatever it relies on. The lock is
// an exclusive flock(2) on the folder itself, so nothing is left behind and a
// program that dies lets go of it at once. A second writer waits a short,
// bounded time, then gets an Italian message and writes nothing.
class BloccoCartella {
  public:
    // Waits for the lock of `cartella`; throws Errore when another program
    // keeps it longer than the wait, or when the folder cannot be opened.
    explicit BloccoCartella(const std::filesystem::path& cartella);
    ~BloccoCartella();
    BloccoCartella(const BloccoCartella&) = delete;
    BloccoCartella& operator=(const BloccoCartella&) = delete;

  private:
    int fd_;
};

// How long a writer waits for the lock (tests shorten it).
std::chrono::milliseconds AttesaBlocco();
void SetAttesaBlocco(std::chrono::milliseconds attesa);

}  // namespace ruotario
