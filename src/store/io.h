#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace ruotario {

// The only way the program touches files. Every call opens, acts and closes;
// no handle survives a call. Failures throw Errore with an Italian message.
// Tests replace the implementation to make any single call fail.
class FileIo {
  public:
    virtual ~FileIo() = default;

    // Size in bytes, or nothing when the file does not exist.
    virtual std::optional<std::uint64_t> Size(const std::filesystem::path& file) = 0;
    // Up to `length` bytes from `offset`, in one read; fewer at the end of the file.
    virtual std::string Read(const std::filesystem::path& file, std::uint64_t offset,
                             std::size_t length) = 0;
    // Writes `data` at `offset` in one call and flushes it to disk, creating the
    // file when it is missing. A short write is an error.
    virtual void WriteAt(const std::filesystem::path& file, std::uint64_t offset,
                         const std::string& data) = 0;
    // Creates or empties the file, writes `data` and flushes it to disk.
    virtual void WriteNew(const std::filesystem::path& file, const std::string& data) = 0;
    virtual void Truncate(const std::filesystem::path& file, std::uint64_t size) = 0;
    // Atomic replacement of `to` by `from`.
    virtual void Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Removes the file; a file that is already gone is not an error.
    virtual void Remove(const std::filesystem::path& file) = 0;
};

// The implementation in use: the real file system unless a test installed another.
FileIo& Io();
// Installs `io` (nullptr puts the real file system back). The caller keeps ownership.
void SetIo(FileIo* io);
// The real file system, for test doubles that wrap it.
FileIo& RealIo();

// Replaces `file` whole: writes `data` to `temporary` beside it, flushes it and
// renames it over `file`, so a failure leaves the old file untouched (and no
// temporary file behind).
void ReplaceWhole(const std::filesystem::path& file, const std::filesystem::path& temporary,
                  const std::string& data);

// Appends a record: writes `data` at `offset` in one call, flushed to disk. On
// failure the file is put back as it was, `before` being its former size (or
// nothing when it did not exist), and the error is rethrown.
void WriteOrRestore(const std::filesystem::path& file, std::optional<std::uint64_t> before,
                    std::uint64_t offset, const std::string& data);

// The program's folder, where "Lotto.dat" and "Serie" live. The program sets it
// to the folder of its executable at start; tests point it at a temporary folder.
const std::filesystem::path& AppDir();
void SetAppDir(const std::filesystem::path& dir);
// A file of the program's folder, by its bare name.
std::filesystem::path AppFile(const std::string& name);

}  // namespace ruotario
