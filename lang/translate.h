// Texts for people, in the reader's language: the core writes English source texts, marked so
// that Qt Linguist's lupdate finds them (a call of translate("Context", "Source text")), and
// has them translated through the one function the program installs. Without one (the tests of
// the core, a program that never installs one) every text is the English source, unchanged.
// The core stays free of Qt: the installed function is where Qt's translators are asked.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace lang {

// context and source as lupdate reads them; n >= 0 asks for the plural form of n (the source
// says "%n", which is then replaced by n as the reader's language writes numbers).
using Translator = std::string (*)(const char* context, const char* source, const char* comment, int n);
void Install(Translator translator);
// Numbers as the reader's language writes them ("1,234", "1.234", "1 234"); without one, plain.
using NumberWriter = std::string (*)(int64_t value);
void InstallNumbers(NumberWriter writer);

std::string translate(const char* context, const char* source, const char* comment = nullptr, int n = -1);
// English, the source language, spells its plurals in the source: "%n answer(s)" is "1 answer",
// "2 answers". (The one "(s)" in a text; a translation spells its own plural forms.)
std::string EnglishPlural(const char* source, int n);
std::string Number(int64_t value);

// "%1" to "%9" in text replaced by the arguments in order, as QString::arg does: one text with
// places, never a sentence built from pieces, since word order differs between languages.
std::string Args(const std::string& text, std::initializer_list<std::string> args);

}  // namespace lang
