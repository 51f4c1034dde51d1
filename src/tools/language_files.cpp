// Makes the program folder's language files. The base file is the program's
// own export of its windows as designed, under the German number format
// ("is a number" depends on it); the translation, radio item and message
// files of each language are laid out from a keyed source, so that they stay
// aligned with the base file as it grows.
//
//   language_files export <base file>                 writes a fresh export
//   language_files keys <base file>                   lists every key with its German text
//   language_files build <base file> <lang dir> <out dir>
//
// A keyed source "<lang dir>/<code>.txt" (UTF-8) holds lines "key=text":
// "<window>.<control>.caption", "<window>.<control>.hint", "msg.<n>",
// "radio.<n>"; "#" starts a comment line. The text runs to the line's end,
// blanks included. A key without a text falls back to German.

#include "app/LanguageFiles.h"
#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/FileUtils.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace {

// The windows come up on a platform of their own that shows nothing: no
// box, no dialog, German number format and a fixed clock, so that the export
// depends on the windows' design only, never on the day or the desktop.
class DesignPlatform : public Platform {
public:
    // A box at start-up is not part of the design: it goes to the error
    // stream and is answered with its first button.
    int MessageBox(const std::string& text, const std::string& caption, int flags) override {
        std::cerr << "language_files: message at start-up: \"" << text << "\" (" << caption << ")\n";
        switch (flags & MB_BUTTONMASK) {
        case MB_YESNO:
        case MB_YESNOCANCEL: return IDYES;
        case MB_ABORTRETRYIGNORE: return IDABORT;
        case MB_RETRYCANCEL: return IDRETRY;
        default: return IDOK;
        }
    }
    std::string InputBox(const std::string&, const std::string&, const std::string& defaultText) override {
        return defaultText;
    }
    bool ExecuteOpenDialog(TOpenDialog&) override { return false; }
    bool ExecuteSaveDialog(TSaveDialog&) override { return false; }
    void ShowModal(TForm&) override {}
    void ProcessMessages() override {}
    void Repaint() override {}
    bool ShellExecute(const std::string&, const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    void PlaySoundAsync(const std::string&) override {}
    bool StartProgram(const std::string&, const std::vector<std::string>&) override { return false; }
    void Sleep(int) override {}
    TDateTime Now() override { return EncodeDate(2025, 2, 11) + 0.5; }
    TFormatSettings UserFormatSettings() override { return TFormatSettings::German(); }
};

// An empty folder of its own, removed with the object: the windows' program
// folder and settings folder, so that no file of the user's is read or written.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "language_files-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string home() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

struct Program {
    ScratchFolder dir, config;
    DesignPlatform platform;
    std::unique_ptr<TApplication> app;
    Program() {
        TRegistry::SetHiveFolder(config.home());
        app = std::make_unique<TApplication>(platform);
        app->ExeName = dir.home() + "Stellix";
        CreateProgramWindows(*app);
    }
    std::vector<TForm*> windows() const {
        std::vector<TForm*> result;
        for (TComponent* c : app->ComponentList())
            if (auto* form = dynamic_cast<TForm*>(c)) result.push_back(form);
        return result;
    }
    TForm1& main() const { return *static_cast<TForm1*>(app->MainForm); }
};

std::string key(const LanguageRecord& r, const char* what) { return r.Window + "." + r.Control + "." + what; }

std::map<std::string, std::string> readKeyed(const std::string& path) {
    std::map<std::string, std::string> keyed;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        keyed[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return keyed;
}

std::string lookup(const std::map<std::string, std::string>& keyed, const std::string& k, const std::string& german) {
    auto it = keyed.find(k);
    return it == keyed.end() || (it->second.empty() && !german.empty()) ? german : it->second;
}

std::vector<LanguageRecord> readBase(const std::string& path) {
    TStringList lines;
    lines.LoadFromFile(path);
    return ParseBaseFile(lines);
}

int exportBase(const std::string& out) {
    Program program;
    TStringList lines;
    lines.SetEncoding(TEncoding::Ansi);
    WriteBaseFile(ExportWindows(program.windows(), TFormatSettings::German()), lines);
    lines.SaveToFile(out);
    return 0;
}

int listKeys(const std::string& base) {
    Program program;
    for (const LanguageRecord& r : readBase(base)) {
        std::cout << key(r, "caption") << "=" << r.Caption << "\n";
        std::cout << key(r, "hint") << "=" << r.Hint << "\n";
    }
    const TRadioGroup& group = *program.main().RadioGroup1;
    for (int i = 0; i < group.Items().Count(); ++i) std::cout << "radio." << i << "=" << group.Items()[i] << "\n";
    const TStringList& messages = program.main().Memo2->Lines();
    for (int i = 0; i < messages.Count(); ++i) std::cout << "msg." << i << "=" << messages[i] << "\n";
    return 0;
}

void save(TStringList& lines, const std::string& path) {
    lines.SetEncoding(TEncoding::Ansi);  // UTF-8 with a mark where the code page falls short
    lines.SaveToFile(path);
}

int build(const std::string& base, const std::string& langDir, const std::string& outDir) {
    Program program;
    std::filesystem::create_directories(outDir);
    const std::vector<LanguageRecord> records = readBase(base);
    std::filesystem::copy_file(base, outDir + "/Stellix.txt", std::filesystem::copy_options::overwrite_existing);
    const TStringList& radio = program.main().RadioGroup1->Items();
    const TStringList& messages = program.main().Memo2->Lines();
    for (const Language& language : Languages()) {
        const std::string code = language.Code;
        const std::map<std::string, std::string> keyed =
            code == "de" ? std::map<std::string, std::string>{} : readKeyed(langDir + "/" + code + ".txt");
        if (code != "de") {
            TStringList translation;
            for (const LanguageRecord& r : records) {
                translation.Add(lookup(keyed, key(r, "caption"), r.Caption));
                translation.Add(lookup(keyed, key(r, "hint"), r.Hint));
            }
            save(translation, outDir + "/Stellix.txt." + code);
        }
        TStringList items;
        for (int i = 0; i < radio.Count(); ++i) items.Add(lookup(keyed, "radio." + std::to_string(i), radio[i]));
        save(items, outDir + "/Radio.txt." + code);
        TStringList table;
        for (int i = 0; i < messages.Count(); ++i)
            table.Add(lookup(keyed, "msg." + std::to_string(i), messages[i]));
        save(table, outDir + "/meldungen.txt." + code);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "export") return exportBase(args[1]);
        if (args.size() == 2 && args[0] == "keys") return listKeys(args[1]);
        if (args.size() == 4 && args[0] == "build") return build(args[1], args[2], args[3]);
    } catch (const std::exception& e) {
        std::cerr << "language_files: " << e.what() << "\n";
        return 1;
    }
    std::cerr << "usage: language_files export <base> | keys <base> | build <base> <lang dir> <out dir>\n";
    return 2;
}
