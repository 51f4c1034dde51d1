#pragma once
// Where the submission robot is: the folder its installation put into the
// settings store, else the robot beside the program in the maker's folder.
//
// Usage:
//     std::string robot = FindRobot(form.Home);
//     if (robot.empty() || !FileExists(robot)) offerInstaller();

#include <string>

// The robot's key: the chooser's last choice under the current user, and the
// installation's "Settings\Path" under either root.
inline constexpr const char* kRobotKey = "\\SOFTWARE\\Velmarck\\Kurierbot";
inline constexpr const char* kRobotSettingsKey = "\\SOFTWARE\\Velmarck\\Kurierbot\\Settings";
inline constexpr const char* kRobotProgram = "Kurier.exe";
// Below the maker's folder.
inline constexpr const char* kRobotBesideProgram = "Kurier/kurier.exe";

// The installation's folder from "Settings\Path" under the local machine,
// then under the current user; a root counts only when that value is a
// non-empty text. Empty when neither does.
std::string RegisteredRobotFolder();

// The robot's program: "Kurier.exe" in the registered folder; without one,
// "Kurier/kurier.exe" under the maker's folder of the program folder (names
// matched without regard to case) when it exists. Empty when there is none.
std::string FindRobot(const std::string& programFolder);
