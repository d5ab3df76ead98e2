// UTF-8 <-> UTF-16 for test tables and readable failure messages.
#pragma once

#include <string>

#include "expr/utf8.h"

inline std::u16string U16(const std::string& s) { return FromUtf8(s); }
inline std::string U8(const std::u16string& s) { return ToUtf8(s); }
