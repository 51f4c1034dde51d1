#pragma once
#include "platform/registry/Registry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

// Points the settings store at a fresh temporary folder.
class RegistryFixture : public testing::Test {
protected:
    void SetUp() override { TRegistry::SetHiveFolder(dir.home()); }

    std::string hivePath(const std::string& root = "HKEY_CURRENT_USER") const { return dir.file(root + ".reg"); }
    // Forgets the hives held in memory, so the next use reads the files.
    void forgetHives() const { TRegistry::SetHiveFolder(dir.home()); }

    TempDir dir;
};

// The message of the ERegistryException the action raises.
inline std::string registryError(const std::function<void()>& action) {
    try {
        action();
    } catch (const ERegistryException& e) {
        return e.Message();
    }
    return "(no error)";
}
