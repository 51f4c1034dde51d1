#include "output/TicketNumber.h"

#include "draws/DrawRecord.h"
#include "output/MakerFolder.h"
#include "platform/rtl/FileUtils.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The sibling file has a few thousand draws; anything far larger is no such file.
constexpr std::size_t kMaxSiblingFileSize = 64u * 1024 * 1024;

// The folder the maker's products share: the maker's folder of the program
// folder, else the folder the program folder is in.
std::string makerBase(const std::string& programFolder) {
    const std::string folder = IncludeTrailingPathDelimiter(programFolder);
    const std::string maker = MakerFolder(folder);
    const std::string withoutSlash = folder.substr(0, folder.size() - 1);
    const std::size_t slash = withoutSlash.rfind('/');
    const std::string last = slash == std::string::npos ? withoutSlash : withoutSlash.substr(slash + 1);
    if (maker != folder || SameNameIgnoringCase(last, "velmarck")) return maker;
    return slash == std::string::npos ? std::string() : withoutSlash.substr(0, slash + 1);
}

bool sameDigits(const TicketDigits& digits, int from, const uint8_t* bytes) {
    for (int i = from; i < 7; ++i)
        if (digits[static_cast<std::size_t>(i)] != bytes[i - from]) return false;
    return true;
}

}  // namespace

SiblingDraws ParseSiblingDraws(std::string_view bytes) {
    SiblingDraws draws;
    draws.reserve(bytes.size() / sizeof(DrawRecord));
    for (std::size_t at = 0; at + sizeof(DrawRecord) <= bytes.size(); at += sizeof(DrawRecord)) {
        DrawRecord record;
        std::memcpy(&record, bytes.data() + at, sizeof record);
        SiblingDraw draw;
        draw.Date = record.Datum;
        std::copy(std::begin(record.DigitsA), std::end(record.DigitsA), draw.Spiel77.begin());
        std::copy(std::begin(record.DigitsB), std::end(record.DigitsB), draw.Super6.begin());
        draws.push_back(draw);
    }
    return draws;
}

SiblingDraws ReadSiblingDraws(const std::string& path) {
    const int fd = OpenExistingFile(path, O_RDONLY);
    if (fd < 0) return {};
    std::string bytes;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) <= kMaxSiblingFileSize) {
        char block[64 * 1024];
        for (;;) {
            const ssize_t n = ::read(fd, block, sizeof block);
            if (n <= 0 || bytes.size() + static_cast<std::size_t>(n) > kMaxSiblingFileSize) break;
            bytes.append(block, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return ParseSiblingDraws(bytes);
}

std::string SiblingDrawFolder(const std::string& programFolder) { return makerBase(programFolder) + "tippwerk/"; }

std::string FindSiblingDrawFile(const std::string& programFolder) {
    return FindFileIgnoringCase(makerBase(programFolder), std::string("tippwerk/") + kSiblingDrawFileName);
}

bool DrawRejectsTicket(const SiblingDraw& draw, const TicketDigits& digits, int level) {
    const uint8_t* spiel77 = draw.Spiel77.data();
    const uint8_t* super6 = draw.Super6.data();
    switch (level) {
        case 1: return sameDigits(digits, 0, spiel77) || sameDigits(digits, 1, super6);
        case 2: return sameDigits(digits, 1, spiel77 + 1) || sameDigits(digits, 1, super6);
        case 3: return sameDigits(digits, 2, spiel77 + 2) || sameDigits(digits, 2, super6 + 1);
        default: return sameDigits(digits, 3, spiel77 + 3) || sameDigits(digits, 3, super6 + 2);
    }
}

bool TicketRejected(const SiblingDraws& draws, const TicketDigits& digits, int level) {
    return std::any_of(draws.begin(), draws.end(),
                       [&](const SiblingDraw& draw) { return DrawRejectsTicket(draw, digits, level); });
}

NewTicket DrawNewTicket(int level, const std::function<int()>& random10,
                        const std::function<bool(const TicketDigits&, int)>& rejected) {
    NewTicket ticket;
    auto draw = [&] {
        for (int& digit : ticket.Digits) digit = random10();
    };
    draw();
    ticket.Level = level;
    int redrawsAtLevel = 0;
    // Level 0 and below is random only: the search cannot go on for ever.
    while (ticket.Level >= 1 && rejected(ticket.Digits, ticket.Level)) {
        draw();
        ++ticket.Redraws;
        if (++redrawsAtLevel == kRedrawsPerLevel) {
            --ticket.Level;
            redrawsAtLevel = 0;
        }
    }
    if (ticket.Level < 0) ticket.Level = 0;
    return ticket;
}

TicketFound FindTicket(const SiblingDraws& draws, const TicketDigits& digits) {
    for (const SiblingDraw& draw : draws) {
        if (sameDigits(digits, 1, draw.Super6.data())) return {TicketMatch::Super6, draw.Date};
        if (sameDigits(digits, 0, draw.Spiel77.data())) return {TicketMatch::Spiel77, draw.Date};
    }
    return {};
}

std::string TicketSearchMessage(const TicketFound& found, const TFormatSettings& settings) {
    switch (found.Match) {
        case TicketMatch::Super6:
            return "LosNr. wurde am " + DateToStr(found.Date, settings) + " bei der Super 6 gezogen";
        case TicketMatch::Spiel77:
            return "LosNr. wurde am " + DateToStr(found.Date, settings) + " im Spiel 77 gezogen";
        case TicketMatch::None: break;
    }
    return "Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen";
}
