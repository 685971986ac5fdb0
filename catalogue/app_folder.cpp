// The folder part of the running program's path.
#include "catalogue/app_folder.h"

namespace orvane {

std::string folder_of(std::string_view program_path) {
    const std::size_t last_separator = program_path.find_last_of("\\/");
    if (last_separator == std::string_view::npos) return ".\\";
    std::string folder(program_path.substr(0, last_separator + 1));
    if (folder.back() != '\\') folder.back() = '\\';
    return folder;
}

}  // namespace orvane
