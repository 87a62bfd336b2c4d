#include "installer/engine/windows_arguments.h"

std::vector<std::wstring> SplitArguments(const std::wstring& commandLine) {
    std::vector<std::wstring> arguments;
    std::wstring current;
    bool inArgument = false, quoted = false;
    size_t i = 0;
    while (i < commandLine.size()) {
        const wchar_t c = commandLine[i];
        if (!quoted && (c == L' ' || c == L'\t')) {
            if (inArgument) arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
            ++i;
            continue;
        }
        inArgument = true;
        if (c == L'\\') {
            const size_t run = commandLine.find_first_not_of(L'\\', i);
            const size_t count = (run == std::wstring::npos ? commandLine.size() : run) - i;
            const bool beforeQuote = run != std::wstring::npos && commandLine[run] == L'"';
            current.append(beforeQuote ? count / 2 : count, L'\\');
            i += count;
            // An odd run escapes the quote; an even one leaves it to open or close.
            if (beforeQuote && count % 2 == 1) current += commandLine[i++];
        } else if (c == L'"') {
            // Two quotes inside a quoted part give one literal quote and end the quoted part.
            if (quoted && i + 1 < commandLine.size() && commandLine[i + 1] == L'"') {
                current += L'"';
                ++i;
            }
            quoted = !quoted;
            ++i;
        } else {
            current += c;
            ++i;
        }
    }
    if (inArgument) arguments.push_back(std::move(current));
    return arguments;
}

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    // Before the closing quote, too.
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}
