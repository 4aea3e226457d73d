#pragma once

#include <map>

#include "store/io.h"

namespace ruotario::prova {

// The real file system, except for the calls told to fail: the n-th call of an
// operation throws as the system would (disk full, read-only disk, ...). A
// failing WriteAt may first write part of its data, as a full disk does.
// Installed for the life of the object.
class IoGuasto : public FileIo {
  public:
    enum class Op { Size, Read, ReadStream, WriteAt, WriteBeside, Truncate, Rename, Remove, List };

    IoGuasto();
    ~IoGuasto() override;

    // The `volta`-th call (from 1) of `op` fails with the system error `codice`.
    void Fallisci(Op op, int codice, int volta = 1);
    // A failing WriteAt writes this many bytes before it fails.
    void ScritturaParziale(std::size_t byte) { parziale_ = byte; }
    int Chiamate(Op op) const;

    std::optional<std::uint64_t> Size(const std::filesystem::path& file) override;
    std::string Read(const std::filesystem::path& file, std::uint64_t offset,
                     std::size_t length) override;
    void WriteAt(const std::filesystem::path& file, std::uint64_t offset,
                 const std::string& data) override;
    std::string ReadStream(const std::filesystem::path& input) override;
    std::filesystem::path WriteBeside(const std::filesystem::path& file,
                                      const std::string& data) override;
    void Truncate(const std::filesystem::path& file, std::uint64_t size) override;
    void Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    void Remove(const std::filesystem::path& file) override;
    std::vector<std::filesystem::path> List(const std::filesystem::path& dir,
                                            const std::string& prefix) override;

  private:
    // Counts the call; returns the errno to fail with, or 0.
    int Conta(Op op);

    std::map<Op, int> chiamate_;
    std::map<Op, std::pair<int, int>> guasti_;  // op -> (call number, errno)
    std::size_t parziale_ = 0;
};

}  // namespace ruotario::prova
