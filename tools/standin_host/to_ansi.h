#pragma once

// The host's window tree is ANSI throughout, like the client it stands in
// for: texts from the (Unicode) command line are converted once, here.

#include <string>

namespace jukett::standin {

// Converts to the ANSI code page; characters it lacks become '?'.
std::string ToAnsi(const std::wstring& text);

}  // namespace jukett::standin
