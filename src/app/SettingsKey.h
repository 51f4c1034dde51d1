#pragma once
// Where the main window keeps its settings, and the maker's web site that
// the about banner opens.

constexpr const char* kSettingsKey = "\\SOFTWARE\\Velmarck\\Stellix";
constexpr const char* kMakerSite = "http://www.zedevuvid.example";
