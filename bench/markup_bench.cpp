// Parsing a license-sized marked-up document: what a rich label pays once per set_markup.
#include <benchmark/benchmark.h>

#include <string>

#include "ui/widgets/markup_parser.h"

namespace {

using namespace pelsdk::ui;

// About 25 KB of the markup the installer shows: paragraphs with bold, italic and underlined
// words, font changes, links and bulleted lists, with CR LF line ends.
std::string LicenseLikeDocument() {
    std::string doc = "<html><body><font face=\"Tahoma\" size=\"3\" color=\"#202020\">\r\n";
    for (int section = 0; doc.size() < 25'000; ++section) {
        const std::string n = std::to_string(section);
        doc +=
            "<p><font size=\"4\" color=\"#1b6936\"><b>" + n + ". Terms of use</b></font></p>\r\n";
        doc += "<p>The licensee may <i>install</i> and use the plug-in on <u>one</u> machine. ";
        doc += "Questions go to <a href=\"https://quintrel.example/support/" + n +
               "\">our support pages</a>; caf\xC3\xA9s are welcome.<br>\r\n";
        doc += "Copies, <b>modified</b> or not, carry this notice.</p>\r\n";
        doc += "<ul><li>No resale</li><li>No <i>reverse engineering</i></li>";
        doc += "<li>Backups allowed</li></ul>\r\n";
    }
    return doc + "</font></body></html>\r\n";
}

void ParseLicenseDocument(benchmark::State& state) {
    const std::string doc = LicenseLikeDocument();
    text_run base;
    base.family = "Tahoma";
    base.size = 11;
    for (auto _ : state) benchmark::DoNotOptimize(parse_markup(doc, base));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
    state.counters["bytes"] = static_cast<double>(doc.size());
}
BENCHMARK(ParseLicenseDocument)->Unit(benchmark::kMicrosecond);

}  // namespace
