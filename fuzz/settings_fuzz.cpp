// A settings hive file of any content through the program's start, which
// reads every setting from it, and its close, which writes them back: the
// file, once written, reads back as the program left it.
#include "FuzzWindow.h"

#include "platform/registry/HiveText.h"
#include "platform/registry/Registry.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MainWindowHarness& h = FuzzWindow();
    const std::string hive = h.config.file("HKEY_CURRENT_USER.reg");
    writeFileBytes(hive, std::string(reinterpret_cast<const char*>(data), size));
    // The hives read so far are dropped: the start reads the file anew.
    TRegistry::SetHiveFolder(h.config.home());

    RunCommand([&] { h.restart(); });
    RunCommand([&] { h.close(); });

    TRegistry::SetHiveFolder(h.config.home());
    const std::string saved = readFileBytes(hive);
    if (saved == std::string(reinterpret_cast<const char*>(data), size)) return 0;
    const std::string again = FormatHiveText(ParseHiveText(saved, "HKEY_CURRENT_USER"), "HKEY_CURRENT_USER");
    if (again != saved) std::abort();
    return 0;
}
