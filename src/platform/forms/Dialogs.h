#pragma once
// File dialog components: what they offer (filter, default extension,
// folder, proposed name) and, after Execute, the user's choice. The
// platform shows them.

#include "platform/forms/Component.h"

#include <string>

class TCommonFileDialog : public TComponent {
public:
    explicit TCommonFileDialog(TComponent* owner) : TComponent(owner) {}
    std::string FileName;
    // "Text|*.txt|All|*.*": pairs of description and pattern.
    std::string Filter;
    int FilterIndex = 1;  // 1-based, as the library counts
    std::string DefaultExt;  // without the dot
    std::string InitialDir;
    std::string Title;
    // Shows the dialog; true when the user chose a file.
    virtual bool Execute() = 0;
};

class TOpenDialog : public TCommonFileDialog {
public:
    explicit TOpenDialog(TComponent* owner) : TCommonFileDialog(owner) {}
    const char* ClassName() const override { return "TOpenDialog"; }
    bool Execute() override;
};

class TSaveDialog : public TCommonFileDialog {
public:
    explicit TSaveDialog(TComponent* owner) : TCommonFileDialog(owner) {}
    const char* ClassName() const override { return "TSaveDialog"; }
    bool Execute() override;
};
