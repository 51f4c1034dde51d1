#pragma once
// The click script the submission robot follows: a template whose
// placeholders are filled with up to twelve tips, the tip lines it takes
// them from, the robot's arguments and when a newer copy from the maker's
// host replaces a local script.
//
// Usage:
//     std::vector<TipFields> tips;
//     for (line : tipFile) tips.push_back(ScriptTipFields(line));   // after IsValidScriptTip
//     for (const auto& batch : ScriptBatches(tips))
//         save(FillClickScript(templateText, batch, days, tipFilePath));

#include "output/TipFileFormat.h"
#include "platform/net/HttpClient.h"
#include "platform/rtl/DateTime.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Tips per script: the placeholders run from slot 1 to slot 12.
inline constexpr int kScriptSlots = 12;
// The longest program path or parameter the robot is started with, in
// characters.
inline constexpr std::size_t kRobotTextLimit = 1024;
// The sentence that [MELDUNGFERTIG] stands for.
inline constexpr const char* kScriptReadyMessage = "Please check the numbers, then you are ready to play.";

// What the day boxes and the standing-order box of the submission say.
struct ScriptDays {
    bool Standing = false;  // [DAUER]
    bool Tuesday = false;   // [DI]
    bool Friday = false;    // [FR]
};

// Whether a submission made on this day plays Friday's draw (Tuesday to
// Friday) rather than Tuesday's (Saturday to Monday).
bool SubmissionDrawIsFriday(TDateTime today);

// A tip file line as the submission reads it: runs of blanks and of TABs
// become one (up to eight blanks, up to four TABs), then each becomes ",".
std::string NormalisedScriptTipLine(std::string_view line);

// The seven fields of a tip file line, normalised first. Numbers 1 to 5 and
// star 1 run up to the next "," (empty when none is left); star 2 runs up to
// the next "," or to the end.
TipFields ScriptTipFields(std::string_view line);

// Five distinct numbers 1 ... 50 and two distinct stars 1 ... starMax, each
// written with decimal digits only.
bool IsValidScriptTip(const TipFields& fields, int starMax);

// The tips cut into scripts of twelve; no tips still make one empty script.
std::vector<std::vector<TipFields>> ScriptBatches(const std::vector<TipFields>& tips);

// The template with every placeholder filled, one after the other: slot by
// slot the batch's tips with their fields ([Z1_k] ... [Z5_k], [S1_k],
// [S2_k]), the slots after them with empty text, then the standing-order
// and day answers ("JA"/"NEIN": [DAUER], [FR], [DI], [DIFR]), the ready
// sentence and the tip file's path. A placeholder that a filling makes
// with the text around it is filled too when its own turn comes later. A
// batch longer than twelve fills the first twelve.
std::string FillClickScript(std::string_view templateText, const std::vector<TipFields>& batch,
                            const ScriptDays& days, const std::string& tipFilePath);

// Whether a text of UTF-8 holds at most kRobotTextLimit characters.
bool WithinRobotTextLimit(std::string_view text);

// The robot's arguments, each a whole value: START, the filled script's
// path, ZAHL1, TEXT1, ZAHL2, TEXT2.
std::vector<std::string> RobotArguments(const std::string& scriptPath, const std::string& zahl1,
                                        const std::string& text1, const std::string& zahl2,
                                        const std::string& text2);

// Whether a reply to the script request replaces the local script last
// modified at localModified (seconds since 1970 UTC): a completed 200 reply
// with a body whose Last-Modified date is later.
bool ScriptReplyIsNewer(const HttpResult& reply, std::int64_t localModified);
