// The sibling product's draw file: any bytes. Every whole record is read,
// the ticket search finds only a draw of the file, and a new ticket number
// ends within its redraw bound with digits 0..9 whatever the file holds.
#include "output/TicketNumber.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SiblingDraws draws = ParseSiblingDraws(bytes);
    if (draws.size() != size / 32) std::abort();

    TicketDigits digits{};
    for (std::size_t i = 0; i < digits.size(); ++i) digits[i] = i < size ? data[i] % 10 : 0;
    const TicketFound found = FindTicket(draws, digits);
    if (found.Match != TicketMatch::None) {
        bool inFile = false;
        for (const SiblingDraw& d : draws) inFile = inFile || std::memcmp(&d.Date, &found.Date, sizeof found.Date) == 0;
        if (!inFile) std::abort();
    }
    if (TicketSearchMessage(found, TFormatSettings::German()).empty()) std::abort();

    std::size_t next = 0;
    auto random10 = [&] { return size == 0 ? 0 : data[next++ % size] % 10; };
    // The search levels the window offers: 0 (random only) to 4.
    const int level = size == 0 ? 4 : data[size - 1] % 5;
    const NewTicket ticket = DrawNewTicket(level, random10, [&](const TicketDigits& d, int l) {
        return TicketRejected(draws, d, l);
    });
    if (ticket.Redraws > 4 * kRedrawsPerLevel || ticket.Level < 0 || ticket.Level > level) std::abort();
    for (int d : ticket.Digits)
        if (d < 0 || d > 9) std::abort();
    if (ticket.Level >= 1 && TicketRejected(draws, ticket.Digits, ticket.Level)) std::abort();
    return 0;
}
