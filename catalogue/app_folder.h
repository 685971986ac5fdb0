// The program's folder, where its data files lie.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The folder of a program's full path, ending with a backslash ("C:\A\b.exe" ->
// "C:\A\"); a bare file name gives ".\".
std::string folder_of(std::string_view program_path);

}  // namespace orvane
