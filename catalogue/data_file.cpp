// Data files through the standard library: the path is in the ANSI code page,
// as every other text of the program.
#include "catalogue/data_file.h"

#include <fstream>

namespace orvane {

std::optional<std::string> read_data_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[64 * 1024];
    // Reads in pieces up to one byte past the bound, so a too large file is never held whole.
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (bytes.size() > max_data_file_bytes) return std::nullopt;
        if (!file) break;
    }
    if (file.bad()) return std::nullopt;
    return bytes;
}

}  // namespace orvane
