#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ruotario {

// The only way the program touches files. Every call opens, acts and closes;
// no handle survives a call. Failures throw Errore with an Italian message.
// The data files are regular files: a folder, FIFO or device standing where
// one should be is refused, never opened in a way that could wait for ever.
// Tests replace the implementation to make any single call fail.
class FileIo {
  public:
    virtual ~FileIo() = default;

    // Size in bytes, or nothing when the file does not exist.
    virtual std::optional<std::uint64_t> Size(const std::filesystem::path& file) = 0;
    // Up to `length` bytes from `offset`, in one read; fewer at the end of the file.
    virtual std::string Read(const std::filesystem::path& file, std::uint64_t offset,
                             std::size_t length) = 0;
    // A whole input read to its end, whatever it is: a file, a pipe, a FIFO;
    // "-" is the standard input.
    virtual std::string ReadStream(const std::filesystem::path& input) = 0;
    // Writes `data` at `offset` and flushes it to disk, creating the file when
    // it is missing. Anything short of the whole of `data` is an error.
    virtual void WriteAt(const std::filesystem::path& file, std::uint64_t offset,
                         const std::string& data) = 0;
    // Creates a new file beside `file`, named NuovoPrefisso(file) and six
    // random characters, exclusively (never through a symbolic link, never
    // over another file), writes `data`, flushes it and returns its path.
    // Failures name `file`, the one the user knows.
    virtual std::filesystem::path WriteBeside(const std::filesystem::path& file,
                                              const std::string& data) = 0;
    // Cuts the file back to `size` bytes, flushed to disk.
    virtual void Truncate(const std::filesystem::path& file, std::uint64_t size) = 0;
    // Atomic replacement of `to` by `from`; the folder is flushed afterwards,
    // so the new name itself survives a crash.
    virtual void Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Removes the file; a file that is already gone is not an error.
    virtual void Remove(const std::filesystem::path& file) = 0;
    // The entries of `dir` whose names begin with `prefix`.
    virtual std::vector<std::filesystem::path> List(const std::filesystem::path& dir,
                                                    const std::string& prefix) = 0;
};

// The implementation in use: the real file system unless a test installed another.
FileIo& Io();
// Installs `io` (nullptr puts the real file system back). The caller keeps ownership.
void SetIo(FileIo* io);
// The real file system, for test doubles that wrap it.
FileIo& RealIo();

// The folder a file lives in ("." for a bare name).
std::filesystem::path Cartella(const std::filesystem::path& file);
// How the new copies of `file` begin: "Lotto.dat.nuovo-".
std::string NuovoPrefisso(const std::filesystem::path& file);

// Replaces `file` whole. The new content goes to a file of a unique name in
// the same folder, flushed, then renamed over `file`: whatever happens, the
// file is the old one or the new one, never a mix. A failure removes the new
// file; leftovers of runs that were killed half-way are removed first. The
// caller holds the folder's lock (BloccoCartella).
void ReplaceWhole(const std::filesystem::path& file, const std::string& data);

// Appends a record: writes `data` at `offset` in one call, flushed to disk. On
// failure the file is put back as it was, `before` being its former size (or
// nothing when it did not exist), and the error is rethrown.
void WriteOrRestore(const std::filesystem::path& file, std::optional<std::uint64_t> before,
                    std::uint64_t offset, const std::string& data);

}  // namespace ruotario
