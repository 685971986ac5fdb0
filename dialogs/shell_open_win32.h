// Hands a web address or a document to the shell, which opens it with whatever
// the user has for it (the default browser, the program for .doc files).
#pragma once

#include <windows.h>

#include <string>

namespace velmora::win32 {

// A failure (no browser, no program for the document, no such file) is not
// reported: the dialog stays as it was.
void shell_open(HWND owner, const std::string& file);

}  // namespace velmora::win32
