// SPDX-License-Identifier: MIT
// FileNames: file names as the program and the batch reducer show and write them.
//   LowerCasedName("İSTANBUL.JPG")   -> "istanbul.jpg" (one letter for one letter)
//   IsValidUtf8("caf\xe9.jpg")        -> false
//   PrintableName("x\x1b[2J.jpg")     -> "x\\e[2J.jpg"
// Names are UTF-8 bytes as the file system holds them. Qt-free, thread-safe,
// never throws.
#pragma once

#include <string>

namespace snapwane {

// Every letter lowered by the Unicode simple case mapping (each letter becomes
// exactly one letter, as Windows lowers names); bytes that are not UTF-8 stay,
// ASCII letters among them lowered. The one lowering of names that the program
// (the file list, output names) and the batch reducer share.
std::string LowerCasedName(const std::string& name);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(const std::string& text);

// The name with everything that a terminal would act on written out: control
// characters as \e, \t, \n, \r or \xHH (C1 controls \u0080..\u009f), bytes that
// are not UTF-8 as \xHH, and the backslash doubled, so a name can neither clear
// nor recolour the terminal and reads back unambiguously.
std::string PrintableName(const std::string& name);

} // namespace snapwane
