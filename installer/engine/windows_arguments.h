#pragma once

#include <string>
#include <vector>

// The arguments of a command line, split as CommandLineToArgvW splits what follows the program's
// name: at spaces and tabs outside quotes; 2n backslashes before a quote give n backslashes and
// the quote opens or closes a quoted part, 2n+1 give n and a literal quote; other backslashes are
// kept as they are.
std::vector<std::wstring> SplitArguments(const std::wstring& commandLine);
// One argument written so that SplitArguments gives it back whole.
std::wstring QuoteArgument(const std::wstring& argument);
