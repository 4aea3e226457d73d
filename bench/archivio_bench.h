#pragma once

#include <filesystem>

namespace ruotario::bench {

// A synthetic archive in a temporary folder, made the program's folder for
// the life of the object: `estrazioni` draws, `perAnno` of them in each year
// (dates spread evenly over the months), ten full wheels of distinct numbers.
class ArchivioBench {
  public:
    ArchivioBench(int estrazioni, int perAnno);
    ~ArchivioBench();
    const std::filesystem::path& File() const { return file_; }

  private:
    std::filesystem::path cartella_;
    std::filesystem::path file_;
};

}  // namespace ruotario::bench
