#pragma once
// Writing a whole file so that a failed save never destroys a good one: the bytes go into a temporary file
// beside the target (so that the rename stays within one folder), which is renamed over the target only
// once it is complete. Game files, printer layouts and TRIO files are saved this way.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quintaro {

// A whole-file write that did not happen. The target is as it was before, and no temporary file is left.
// what(): "cannot write <path>: <reason>".
class AtomicWriteError : public std::runtime_error {
public:
    AtomicWriteError(const std::filesystem::path& path, const std::string& reason);
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// Writes `bytes` as the whole content of `path`, through a temporary file and a rename. Throws
// AtomicWriteError when the temporary file cannot be made ("the folder cannot be written to"), when the disk
// refuses the data ("the disk refused the data") or when the target cannot be replaced (the system's reason).
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quintaro
