#pragma once
// Small helpers for web addresses.
//
// Usage:
//     url += "?Wo=" + PercentEncode(providerText);   // every value put into an address
//     if (IsWebAddress(textFromHost)) shell.open(textFromHost);

#include <string>

// Every byte except the unreserved characters (letters, digits, "-._~")
// written as "%XX"; fits a query value and a path segment alike.
std::string PercentEncode(const std::string& text);

// An absolute "http://" or "https://" address (scheme in any letter case)
// with a host, and no control characters or blanks anywhere in it.
bool IsWebAddress(const std::string& text);
