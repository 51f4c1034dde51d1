// The basket service's reply and the tip list: the first line is the reply
// body (its first byte picks the status), the other lines are list lines.
// Whatever they hold, every address handed to the desktop is an http or
// https address, and only tips of digits reach it.
#include "output/BasketAddress.h"
#include "platform/net/Url.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int status = data[0] & 1 ? 500 : 200;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t end = text.find('\n');
    const std::string body(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);

    std::vector<BasketTip> tips;
    while (!text.empty()) {
        const std::size_t lineEnd = text.find('\n');
        const std::string_view line = text.substr(0, lineEnd);
        text = lineEnd == std::string_view::npos ? std::string_view{} : text.substr(lineEnd + 1);
        if (auto tip = CheckedBasketTip(ListLineBasketFields(line), 12)) {
            for (const std::string& field : *tip)
                if (field.empty() || field.find_first_not_of("0123456789") != std::string::npos) std::abort();
            tips.push_back(*tip);
        }
    }

    const std::string fallback = "http://host1.stellix.example/lotto/warenkorb2.asp?Spiel=Stellix&";
    const std::string tmpl = BasketTemplateOf(status, body, fallback);
    if (!IsWebAddress(tmpl)) std::abort();
    const std::string completed = CompleteBasketTemplate(MarkTipCount(tmpl, static_cast<int>(tips.size())));
    const std::vector<std::string> addresses = ListBasketAddresses(completed, tips);
    if (addresses.size() != (tips.size() + kTipsPerAddress - 1) / kTipsPerAddress) std::abort();
    for (const std::string& address : addresses) {
        if (!IsWebAddress(address)) std::abort();
        if (tmpl.find('[') == std::string::npos && address.find('[') != std::string::npos) std::abort();
    }
    return 0;
}
