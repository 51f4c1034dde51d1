#include "output/SlipLayout.h"

#include "output/TipFileFormat.h"
#include "platform/rtl/Convert.h"

#include <algorithm>
#include <cmath>

MarkPlace NumberMarkPlace(const SlipLayout& l, int blockRow, int blockColumn, int number) {
    const int c = std::max(l.NumberColumns, 1);
    return {l.AnfangLeft + (blockColumn - 1) * l.BlockLeft + ((number - 1) % c) * l.Breite,
            l.AnfangTop + (blockRow - 1) * l.BlockTop + ((number - 1) / c) * l.Hoehe};
}

MarkPlace StarMarkPlace(const SlipLayout& l, int blockRow, int blockColumn, int star) {
    const int e = std::max(l.StarColumns, 1);
    return {l.AnfangLeft + (blockColumn - 1) * l.BlockLeft + l.EuroLeft + ((star - 1) % e) * l.EuroBreit,
            l.AnfangTop + (blockRow - 1) * l.BlockTop + l.EuroTop + ((star - 1) / e) * l.EuroHoch};
}

int SlotsToClear(int blockRows, int blockColumns, int slotsAtLeast) {
    return std::max(blockRows * blockColumns, slotsAtLeast);
}

SlipTip ReadSlipTip(std::string_view line) {
    const TipFields fields = SplitTipFileLine(line);
    SlipTip tip;
    for (size_t i = 0; i < 5; ++i) tip.Numbers[i] = StrToInt(fields[i]);
    tip.Stars[0] = StrToInt(fields[5]);
    tip.Stars[1] = StrToInt(Trim(fields[6]));
    return tip;
}

bool SlipTipValid(const SlipTip& tip, int starMax) { return TipNumbersValid(tip.Numbers, tip.Stars, starMax); }

SlipTipLines ReadSlipTips(const std::vector<std::string>& lines, int starMax) {
    SlipTipLines read;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const SlipTip tip = ReadSlipTip(lines[i]);
        if (!SlipTipValid(tip, starMax)) {
            read.Tips.clear();
            read.Invalid = i;
            return read;
        }
        read.Tips.push_back(tip);
    }
    return read;
}

namespace {

// Every occurrence, in one pass from the left, as the runtime's replace-all.
std::string replaceAll(const std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    size_t at = 0;
    for (size_t found = text.find(from); found != std::string::npos; found = text.find(from, at)) {
        out.append(text, at, found - at);
        out.append(to);
        at = found + from.size();
    }
    out.append(text, at, std::string::npos);
    return out;
}

}  // namespace

std::vector<std::string> NormalisedSlipTips(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += Trim(line) + "\r\n";
    for (int i = 0; i < 4; ++i) text = replaceAll(text, "  ", " ");
    text = replaceAll(text, " ", ",");
    text = replaceAll(text, "\t\t", "\t");
    text = replaceAll(text, "\t", ",");
    text = replaceAll(text, ",,", ",");
    std::vector<std::string> out;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find("\r\n", at);
        out.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return out;
}

MeasuredLayout MeasureLayout(const ViewPlaceLookup& place, const LayoutShape& shape) {
    MeasuredLayout result;
    auto need = [&](const std::string& name) -> std::optional<MarkPlace> {
        std::optional<MarkPlace> found = place(name);
        if (!found && result.Missing.empty()) result.Missing = name;
        return found;
    };
    const auto first = need("Zahl1_1");
    const auto lastColumn = need("Zahl2_1");
    const auto lastRow = need("Zahl4_1");
    const auto secondRowSlot = shape.BlockRows >= 2 ? need("Zahl1_" + std::to_string(shape.BlockColumns + 1))
                                                    : std::optional<MarkPlace>{};
    const auto secondSlot = shape.BlockColumns >= 2 ? need("Zahl1_2") : std::optional<MarkPlace>{};
    const auto star1 = need("Stern1_1");
    const auto lastStar = need("Stern2_1");
    if (!result.Missing.empty()) return result;

    SlipLayout& l = result.Layout;
    l.NumberColumns = shape.NumberColumns;
    l.StarColumns = shape.StarColumns;
    const double across = lastColumn->Left - first->Left;
    l.Breite = shape.NumberColumns >= 2 ? across / (shape.NumberColumns - 1) : across;
    const double down = lastRow->Top - first->Top;
    l.Hoehe = shape.NumberRows >= 2 ? down / (shape.NumberRows - 1) : down;
    l.AnfangTop = first->Top;
    l.AnfangLeft = first->Left;
    l.BlockTop = shape.BlockRows >= 2 ? secondRowSlot->Top - first->Top : 0;
    l.BlockLeft = shape.BlockColumns >= 2 ? secondSlot->Left - first->Left : 0;
    l.EuroLeft = star1->Left - first->Left;
    l.EuroTop = star1->Top - first->Top;
    l.EuroBreit = shape.StarColumns >= 2 ? (lastStar->Left - star1->Left) / (shape.StarColumns - 1) : 0;
    l.EuroHoch = shape.StarRows >= 2 ? (lastStar->Top - star1->Top) / (shape.StarRows - 1) : 0;
    return result;
}

double RoundedToHundredths(double value) { return static_cast<double>(Round(value * 100)) / 100; }

double LayoutNumber(const std::string& text, const TFormatSettings& settings) {
    double value = 0;
    if (TryStrToFloat(text, value, settings)) return value;
    TFormatSettings other = settings;
    other.DecimalSeparator = settings.DecimalSeparator == ',' ? '.' : ',';
    if (TryStrToFloat(text, value, other)) return value;
    return StrToFloat(text, settings);
}

std::vector<std::vector<std::string>> BlockPreviewCells(int rows, int columns, int highest, bool horizontal,
                                                        bool fromBottom) {
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    std::vector<std::vector<std::string>> cells(static_cast<size_t>(rows),
                                                std::vector<std::string>(static_cast<size_t>(columns), " "));
    int next = 1;
    auto fill = [&](int row, int column) {
        if (next > highest) return;
        cells[static_cast<size_t>(fromBottom ? rows - 1 - row : row)][static_cast<size_t>(column)] =
            std::to_string(next++);
    };
    if (horizontal) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) fill(r, c);
    } else {
        for (int c = 0; c < columns; ++c)
            for (int r = 0; r < rows; ++r) fill(r, c);
    }
    return cells;
}

std::string UnreadableTemplateMessage(const std::string& path) {
    return "Die Reportvorlage " + path + " kann nicht gelesen werden.";
}
