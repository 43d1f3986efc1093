#include "core/files/atomic_write.h"

#include <atomic>
#include <fstream>
#include <random>
#include <system_error>

#include "core/files/utf8_path.h"

namespace quintaro {

AtomicWriteError::AtomicWriteError(const std::filesystem::path& path, const std::string& reason)
    : std::runtime_error("cannot write " + pathUtf8(path) + ": " + reason), reason_(reason) {}

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    // A name of our own beside the target: two saves at once never share a temporary file.
    static std::atomic<unsigned> counter{0};
    const unsigned tag = std::random_device{}() ^ counter.fetch_add(1);
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(tag);
    auto fail = [&](const std::string& reason) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw AtomicWriteError(path, reason);
    };
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            fail("the folder cannot be written to");
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fail("the disk refused the data");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        fail(error.message());
    }
}

}  // namespace quintaro
