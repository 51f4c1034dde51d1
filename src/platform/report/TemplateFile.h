#pragma once
// The report template file: XML of our own.
//
//   <report units="px">
//     <page name="Page1" paper-size="9" width="210" height="297"
//           orientation="portrait" background="slip.png">
//       <memo name="Zahl1_1" left="49" top="164.4" width="14" height="14"
//             font-size="10">text</memo>
//     </page>
//   </report>
//
// `units` says what the memo positions and sizes are counted in: "px"
// (page units of 1/96 inch, the default) or "mm". Paper width and height are
// always millimetres, and `orientation` ("portrait" or "landscape") says how
// the paper lies: width and height are the paper as it lies. `paper-size`
// is the print system's size code (9 A4, 1 Letter, 8 A3, 11 A5, any other a
// size of its own). `background` names a picture drawn over the whole paper;
// a relative name is taken from the template's folder. Numbers use "." as
// their decimal separator. Names are unique within a report. Anything else
// in the file is ignored.

#include "platform/report/Report.h"

#include <string>
#include <string_view>

// The largest template read; a bigger file is refused, not read in part.
constexpr std::size_t kMaxTemplateBytes = 4u << 20;

// Fills an empty report from the text of a template. An empty text on
// success, else what is wrong; on failure the report is left empty.
// `folder` (with a trailing "/") is where relative picture names point.
std::string ReadReportTemplate(std::string_view xml, TReport& report, const std::string& folder = {});
