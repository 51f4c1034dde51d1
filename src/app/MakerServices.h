#pragma once
// The maker's two web hosts and every request the program sends them.
//
// Usage:
//     HttpCli1->Get(DrawUpdateUrl(date));         // first host
//     Form9->HttpCli1->Request(QuotaUrl(Datum));  // second host
//
// The hosts' base addresses come from the environment variables
// STELLIX_HOST1 and STELLIX_HOST2 (e.g. "http://127.0.0.1:8080"); without
// them they are names under ".example", which no name server resolves, so a
// request to them fails at once. Values put into an address are
// percent-encoded.

#include "platform/rtl/DateTime.h"

#include <string>

// The product word in the "Programm" and "Spiel" keys.
inline constexpr const char* ProductWord = "Stellix";
// How the main window's client presents itself (draw update, basket).
inline constexpr const char* MainUserAgent = "Tippwerk";
// How the winnings window's and the script chooser's clients present themselves.
inline constexpr const char* ToolUserAgent = "Mozilla/3.0 (compatible; Indy Library)";
// The Accept header of every client.
inline constexpr const char* AcceptedTypes = "text/html, */*";

inline constexpr const char* DefaultHost1 = "http://host1.stellix.example";
inline constexpr const char* DefaultHost2 = "http://host2.stellix.example";

// A host's base address without a trailing "/": the environment variable's
// value when it is an http or https address, else the default.
std::string HostBase(const char* variable, const char* fallback);
std::string FirstHost();   // STELLIX_HOST1
std::string SecondHost();  // STELLIX_HOST2

// First host.
// "/lotto/stellix.asp?Programm=Stellix&Datum=yyyymmdd": the draw numbers of one date.
std::string DrawUpdateUrl(TDateTime date);
// "/lotto/lotto.asp?Spiel=Stellix&Wo=<provider>&Tipps=<n>": the basket template.
std::string BasketUrl(const std::string& provider, int tipCount);
// "/lotto/warenkorb2.asp?Spiel=Stellix&": the built-in basket template.
std::string BasketFallbackTemplate();
// "/scripts/<file name>.txt": the current version of a click script.
std::string ScriptUpdateUrl(const std::string& scriptFileName);

// Second host.
// "/zahlen/lotto_neu.asp?Programm=Stellix&Datum=yyyymmdd": the quotas of one draw.
std::string QuotaUrl(TDateTime date);
// "/dateien/kurierp.exe": the submission robot's installer.
std::string InstallerUrl();
