#include "platform/report/Report.h"

#include "platform/report/TemplateFile.h"
#include "platform/rtl/FileUtils.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void TReportPage::SetOrientation(TPrinterOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    std::swap(paperWidth_, paperHeight_);
}

TReportMemoView& TReportPage::AddMemoView(const std::string& name) {
    views_.push_back(std::make_unique<TReportMemoView>(name));
    return *views_.back();
}

namespace {

// The file's bytes, at most one more than the limit so a bigger file shows;
// false when it cannot be read.
bool readTemplateBytes(const std::string& path, std::string& bytes) {
    const int fd = OpenExistingFile(path, O_RDONLY);
    if (fd < 0) return false;
    bytes.clear();
    char buffer[65536];
    bool ok = true;
    while (bytes.size() <= kMaxTemplateBytes) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ok;
}

}  // namespace

bool TReport::LoadFromFile(const std::string& path) {
    Clear();
    error_.clear();
    // A folder in the template's place is there, but cannot be read.
    if (!FileExists(path) && !DirectoryExists(path)) return false;
    std::string bytes;
    if (!readTemplateBytes(path, bytes)) {
        error_ = "the file cannot be read";
        return false;
    }
    if (bytes.size() > kMaxTemplateBytes) {
        error_ = "the file is too big for a template";
        return false;
    }
    error_ = ReadReportTemplate(bytes, *this, ExtractFilePath(path));
    return error_.empty();
}

void TReport::Clear() {
    pages_.clear();
    prepared_.clear();
}

TReportObject* TReport::FindObject(const std::string& name) const {
    for (const auto& page : pages_) {
        if (page->Name() == name) return page.get();
        for (const auto& view : page->Views())
            if (view->Name() == name) return view.get();
    }
    return nullptr;
}

TReportPage* TReport::FindPage(const std::string& name) const {
    return dynamic_cast<TReportPage*>(FindObject(name));
}

TReportMemoView* TReport::FindMemoView(const std::string& name) const {
    return dynamic_cast<TReportMemoView*>(FindObject(name));
}

TReportPage& TReport::AddPage(const std::string& name) {
    pages_.push_back(std::make_unique<TReportPage>(name));
    return *pages_.back();
}

void TReport::PrepareReport() {
    prepared_.clear();
    for (const auto& page : pages_) {
        TPreparedPage snapshot;
        snapshot.Name = page->Name();
        snapshot.Paper = {page->PaperSize(), page->PaperWidth(), page->PaperHeight(), page->Orientation()};
        snapshot.BackPicture = page->BackPicture();
        for (const auto& view : page->Views())
            snapshot.Memos.push_back(
                {view->Name(), view->Text, view->Left, view->Top, view->Width, view->Height, view->FontSize});
        prepared_.push_back(std::move(snapshot));
    }
}
