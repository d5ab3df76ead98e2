// The installed translator, and places in a text filled in.
#include "lang/translate.h"

namespace lang {

namespace {

Translator installed = nullptr;
NumberWriter numbers = nullptr;

}  // namespace

void Install(Translator translator) { installed = translator; }
void InstallNumbers(NumberWriter writer) { numbers = writer; }

std::string Number(int64_t value) { return numbers ? numbers(value) : std::to_string(value); }

std::string EnglishPlural(const char* source, int n) {
    const std::string text = source;
    const std::size_t at = text.find("(s)");
    if (at == std::string::npos) return text;
    return text.substr(0, at) + (n == 1 ? "" : "s") + text.substr(at + 3);
}

std::string translate(const char* context, const char* source, const char* comment, int n) {
    std::string text = installed ? installed(context, source, comment, n) : n >= 0 ? EnglishPlural(source, n) : std::string(source);
    if (n >= 0) {
        const std::string written = Number(n);
        for (std::size_t at = 0; (at = text.find("%n", at)) != std::string::npos; at += written.size())
            text.replace(at, 2, written);
    }
    return text;
}

std::string Args(const std::string& text, std::initializer_list<std::string> args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t k = static_cast<std::size_t>(text[i + 1] - '1');
            if (k < args.size()) {
                out += *(args.begin() + k);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace lang
