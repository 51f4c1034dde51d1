#pragma once
// The HTTP client component: how a window's requests present themselves
// (user agent, accepted types, cookies) and where they go through (proxy).

#include "platform/forms/Component.h"

#include <string>

class THttpClient : public TComponent {
public:
    explicit THttpClient(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "THttpClient"; }

    std::string UserAgent;
    std::string Accept;
    bool AllowCookies = true;
    bool HandleRedirects = false;
    std::string ProxyHost;  // empty: no proxy
    int ProxyPort = 0;
};
