#pragma once
// Output files of cellwright-tool are complete or absent. An OutputFile is written under a
// temporary name beside its final one and takes that name only in `commit`, in one step, when
// all of it is on the disk: a run that fails, or is interrupted, never leaves a torn file
// under the name, and never harms a file of that name that was there before. Without
// `replace` an existing file is refused up front and, should one appear while the run is
// writing, at the end too; with it, the old file stays whole until the new one replaces it,
// and a symbolic link is replaced, never written through.

#include <cstddef>
#include <cstdio>
#include <iosfwd>
#include <optional>
#include <string>

namespace cellwright::tool {

// Why an output could not be made, in words for the user; nullopt when all went well.
using OutputFault = std::optional<std::string>;

class OutputFile {
  public:
    OutputFile() = default;
    ~OutputFile();  // discards a file that was not committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the temporary file for `path`. Refuses, unless `replace`, when an entry named
    // `path` exists ("PATH: already exists, not overwritten", then "(OPTION replaces it)" when
    // `replace_option` names one). Until commit or discard, an interrupt removes the
    // temporary file before the process dies of it.
    OutputFault open(const std::string& path, bool replace, const char* replace_option = nullptr);

    // Appends `length` bytes. False, from the first failure on (a full disk, a file-size
    // limit), which `commit` then reports.
    bool write(const void* data, std::size_t length);

    // "PATH: writing failed: reason" once a write has failed, else nullopt.
    OutputFault write_fault() const;

    // Flushes the file to the disk, closes it and moves it to its name. On failure, or after
    // a failed write, the temporary file is removed and nothing else is touched.
    OutputFault commit();

    // Removes the temporary file.
    void discard();

  private:
    std::string path_;
    std::string temporary_;
    bool replace_ = false;
    std::string replace_option_;
    std::FILE* stream_ = nullptr;
    int write_error_ = 0;  // errno of the first failed write
};

// Flushes `out`, standard output as a rule; when anything written to it was lost, says so
// on `errors` ("cellwright-tool: writing standard output failed: reason") and returns false.
bool finish_output(std::ostream& out, std::ostream& errors);

}  // namespace cellwright::tool
