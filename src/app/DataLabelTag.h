#pragma once

// The Tag of a label whose caption is data (a draw line, a count, an
// amount): the language files leave its caption alone.
constexpr int kDataLabelTag = 1;
