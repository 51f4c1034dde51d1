#include "app/MakerServices.h"

#include "platform/net/Url.h"

#include <cstdlib>

std::string HostBase(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    std::string base = value && IsWebAddress(value) ? std::string(value) : std::string(fallback);
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

std::string FirstHost() { return HostBase("STELLIX_HOST1", DefaultHost1); }
std::string SecondHost() { return HostBase("STELLIX_HOST2", DefaultHost2); }

namespace {
std::string DateKey(TDateTime date) { return FormatDateTime("yyyymmdd", date); }
}  // namespace

std::string DrawUpdateUrl(TDateTime date) {
    return FirstHost() + "/lotto/stellix.asp?Programm=" + ProductWord + "&Datum=" + DateKey(date);
}

std::string BasketUrl(const std::string& provider, int tipCount) {
    return FirstHost() + "/lotto/lotto.asp?Spiel=" + ProductWord + "&Wo=" + PercentEncode(provider) +
           "&Tipps=" + std::to_string(tipCount);
}

std::string BasketFallbackTemplate() {
    return FirstHost() + "/lotto/warenkorb2.asp?Spiel=" + ProductWord + "&";
}

std::string ScriptUpdateUrl(const std::string& scriptFileName) {
    return FirstHost() + "/scripts/" + PercentEncode(scriptFileName) + ".txt";
}

std::string QuotaUrl(TDateTime date) {
    return SecondHost() + "/zahlen/lotto_neu.asp?Programm=" + ProductWord + "&Datum=" + DateKey(date);
}

std::string InstallerUrl() { return SecondHost() + "/dateien/kurierp.exe"; }
