// Any markup, however malformed, gives valid UTF-8 text and runs that tile it exactly, with no
// two neighbours of one look.
#include <cstddef>
#include <cstdint>

#include "platform/text_encoding.h"
#include "tests/fuzz/fuzz_check.h"
#include "ui/widgets/markup_parser.h"

namespace {

using pelsdk::ui::text_run;

// Links aside: adjacent links of one look share a run.
bool same_look(const text_run& a, const text_run& b) {
    return a.weight == b.weight && a.style == b.style && a.underline == b.underline &&
           a.family == b.family && a.size == b.size && a.color == b.color;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    text_run base;
    base.family = "Tahoma";
    base.size = 11;
    const pelsdk::ui::parsed_markup parsed =
        pelsdk::ui::parse_markup({reinterpret_cast<const char*>(data), size}, base);

    using pelsdk::platform::utf8_to_wide, pelsdk::platform::wide_to_utf8;
    FUZZ_CHECK(wide_to_utf8(utf8_to_wide(parsed.text)) == parsed.text);
    uint32_t end = 0;
    for (size_t k = 0; k < parsed.runs.size(); end = parsed.runs[k++].end) {
        FUZZ_CHECK(parsed.runs[k].start == end);
        FUZZ_CHECK(parsed.runs[k].start < parsed.runs[k].end);
        FUZZ_CHECK(k == 0 || !same_look(parsed.runs[k - 1], parsed.runs[k]));
    }
    FUZZ_CHECK(end == pelsdk::platform::utf8_to_utf16(parsed.text).size());
    return 0;
}
