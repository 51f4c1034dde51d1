#pragma once
// The provider's basket addresses: the template the basket service sends,
// completed with the basket keys and filled with up to six tips each.
//
// Usage:
//     std::string t = CompleteBasketTemplate(MarkTipCount(reply, sent));
//     std::string address = FillBasketAddress(t, 2, {SlotText(tipA), SlotText(tipB), EmptySlot, ...});

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kTipsPerAddress = 6;
// The longest address the basket opens; a longer one is refused, never cut.
inline constexpr std::size_t kMaxBasketAddress = 2048;
// The slot of a basket address that carries no tip.
inline constexpr const char* kEmptySlot = ",,,,,,";

// A tip as it goes into a slot: five main numbers, star 1, star 2.
using BasketTip = std::array<std::string, 7>;
using BasketSlots = std::array<std::string, kTipsPerAddress>;

// The template with its first "Tipps=" that carries `sent` as a whole number
// ("Tipps=12" but not "Tipps=120" for 12) turned into "Tipps=[ANZAHL]".
std::string MarkTipCount(const std::string& tmpl, int sent);

// Appends "Tipps=[ANZAHL]&" when the template has no "Tipps=", then the six
// slot keys "kasten1=[KASTEN1]&" ... "kasten6=[KASTEN6]".
std::string CompleteBasketTemplate(const std::string& tmpl);

// The completed template with the first "[ANZAHL]" replaced by `count` and
// the first "[KASTEN<i>]" by slot i, in that order.
std::string FillBasketAddress(const std::string& completed, int count, const BasketSlots& slots);

// A tip's fields joined with "," for a slot, each field percent-encoded.
std::string SlotText(const BasketTip& tip);

// The addresses of the list view's tips: one per six tips, "[ANZAHL]" the
// tips in it; no tips, no address.
std::vector<std::string> ListBasketAddresses(const std::string& completed, const std::vector<BasketTip>& tips);

// The grid's rows, empty where a row holds no text.
using GridBasketRows = std::array<std::optional<BasketTip>, 12>;
// The grid's addresses: rows 1..6, then rows 7..12 when one of them holds a
// tip, each row in its own slot; "[ANZAHL]" counts the tips of the address.
std::vector<std::string> GridBasketAddresses(const std::string& completed, const GridBasketRows& rows);

// Whether the basket service's reply is its message page for the user: an
// error status with "Mitteilung" in the body.
bool IsBasketMessagePage(int status, const std::string& body);
// The template a completed reply gives: the body trimmed of white space when
// the status is below 400 and it is an http or https address, else
// `fallback`. Nothing else a host sends may reach the desktop's opener.
std::string BasketTemplateOf(int status, const std::string& body, const std::string& fallback);

// The fields of a list line: its first run of three TABs and then every
// TAB separate fields; blanks around a field are dropped. Any number of
// fields may come out; a tip has seven.
std::vector<std::string> ListLineBasketFields(std::string_view line);

// The tip in `fields` when it is one: seven whole numbers written in digits,
// five distinct main numbers 1..50 and two distinct stars 1..starMax.
std::optional<BasketTip> CheckedBasketTip(const std::vector<std::string>& fields, int starMax);
