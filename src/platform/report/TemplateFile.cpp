#include "platform/report/TemplateFile.h"

#include <pugixml.hpp>

#include <charconv>
#include <cmath>
#include <set>

namespace {

// Bounds that keep every value a page could hold: nothing a template says
// makes the painter draw outside reason or the program run out of memory.
constexpr double kMaxPosition = 100000;  // page units, about 26 m
constexpr double kMaxPaper = 10000;      // millimetres
constexpr int kMaxFontSize = 1000;
constexpr int kMaxPaperCode = 1000;
constexpr std::size_t kMaxObjects = 100000;

struct Failure {
    std::string what;
};

double number(const pugi::xml_node& node, const char* name, double fallback, double low, double high) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) return fallback;
    const std::string_view text = attribute.value();
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value < low ||
        value > high)
        throw Failure{std::string("\"") + name + "\" of \"" + node.attribute("name").value() + "\" is not a number from " +
                      std::to_string(low) + " to " + std::to_string(high)};
    return value;
}

int integer(const pugi::xml_node& node, const char* name, int fallback, int low, int high) {
    const double value = number(node, name, fallback, low, high);
    if (value != std::floor(value))
        throw Failure{std::string("\"") + name + "\" of \"" + node.attribute("name").value() + "\" is not whole"};
    return static_cast<int>(value);
}

std::string objectName(const pugi::xml_node& node, std::set<std::string>& names) {
    const std::string name = node.attribute("name").value();
    if (name.empty()) throw Failure{std::string("a ") + node.name() + " has no name"};
    if (!names.insert(name).second) throw Failure{"the name \"" + name + "\" is used twice"};
    if (names.size() > kMaxObjects) throw Failure{"too many objects"};
    return name;
}

void readPage(const pugi::xml_node& node, TReport& report, double unit, const std::string& folder,
              std::set<std::string>& names) {
    TReportPage& page = report.AddPage(objectName(node, names));
    page.SetPaperSize(integer(node, "paper-size", kPaperA4, 0, kMaxPaperCode));
    const std::string orientation = node.attribute("orientation").as_string("portrait");
    if (orientation != "portrait" && orientation != "landscape")
        throw Failure{"the orientation \"" + orientation + "\" is neither portrait nor landscape"};
    // Width and height are the paper as it lies, so the turn comes first.
    if (orientation == "landscape") page.SetOrientation(TPrinterOrientation::poLandscape);
    page.SetPaperWidth(number(node, "width", page.PaperWidth(), 1, kMaxPaper));
    page.SetPaperHeight(number(node, "height", page.PaperHeight(), 1, kMaxPaper));
    const std::string background = node.attribute("background").value();
    if (!background.empty()) page.SetBackPicture(background.front() == '/' ? background : folder + background);

    for (const pugi::xml_node& memo : node.children("memo")) {
        TReportMemoView& view = page.AddMemoView(objectName(memo, names));
        view.Left = number(memo, "left", 0, -kMaxPosition, kMaxPosition) * unit;
        view.Top = number(memo, "top", 0, -kMaxPosition, kMaxPosition) * unit;
        view.Width = number(memo, "width", 0, 0, kMaxPosition) * unit;
        view.Height = number(memo, "height", 0, 0, kMaxPosition) * unit;
        view.FontSize = integer(memo, "font-size", 10, 1, kMaxFontSize);
        view.Text = memo.text().get();
    }
}

}  // namespace

std::string ReadReportTemplate(std::string_view xml, TReport& report, const std::string& folder) {
    report.Clear();
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) return std::string("not a template: ") + parsed.description();
    const pugi::xml_node root = document.child("report");
    if (!root) return "not a template: no report element";
    try {
        const std::string units = root.attribute("units").as_string("px");
        double unit = 1;
        if (units == "mm")
            unit = 1 / kMillimetresPerUnit;
        else if (units != "px")
            throw Failure{"the units \"" + units + "\" are neither px nor mm"};
        std::set<std::string> names;
        for (const pugi::xml_node& page : root.children("page")) readPage(page, report, unit, folder, names);
    } catch (const Failure& failure) {
        report.Clear();
        return failure.what;
    }
    return {};
}
