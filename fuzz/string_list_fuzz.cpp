// A text file of any encoding and content through the list's load and save:
// a save and a reload give back the very lines.
#include "platform/rtl/StringList.h"
#include "support/TempDir.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const TStringList& list) { return {list.begin(), list.end()}; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempDir dir;
    static const std::string in = dir.file("in.txt"), out = dir.file("out.txt");
    writeFileBytes(in, std::string(reinterpret_cast<const char*>(data), size));

    TStringList list;
    list.LoadFromFile(in);
    const std::vector<std::string> lines = linesOf(list);
    list.SaveToFile(out);
    TStringList again;
    again.LoadFromFile(out);
    if (linesOf(again) != lines) std::abort();

    // The lines as one text and back.
    TStringList text;
    text.SetText(list.Text());
    if (linesOf(text) != lines) std::abort();
    // A list never loaded saves without loss too.
    text.SaveToFile(out);
    again.LoadFromFile(out);
    if (linesOf(again) != lines) std::abort();
    return 0;
}
