#pragma once
// The X server as another client sees it: the pixels on screen, a plain
// window of one colour laid over the others and taken away again, a
// window's place, and a window minimised and restored through the window
// manager. It holds a connection of its own, so a thread other than Qt's
// may use it while the program's thread is busy; no X type shows here.
//
// Usage:
//     XScreen screen;                         // $DISPLAY
//     XScreen::Rect area = screen.Place(window);
//     std::vector<std::uint32_t> before = screen.Grab(area);
//     auto cover = screen.Cover(area, 0xff00ff);
//     screen.Uncover(cover);

#include <cstdint>
#include <string>
#include <vector>

class XScreen {
public:
    struct Rect {
        int x = 0, y = 0, width = 0, height = 0;
    };

    // Connects to the display named, or to $DISPLAY; raises
    // std::runtime_error when there is none.
    explicit XScreen(const std::string& display = {});
    ~XScreen();
    XScreen(const XScreen&) = delete;
    XScreen& operator=(const XScreen&) = delete;

    // Where a window's own area (its frame left out) lies on the screen.
    Rect Place(unsigned long window);
    // The pixels of an area of the screen as the server shows them, row by
    // row, as 0xRRGGBB.
    std::vector<std::uint32_t> Grab(const Rect& area);
    // A window of one colour over the area, above every other window and
    // left alone by the window manager; returns once the server has it.
    unsigned long Cover(const Rect& area, std::uint32_t rgb);
    // Takes the cover away; returns once the server has done it.
    void Uncover(unsigned long cover);
    // Asks the window manager to minimise a window, or to bring it back.
    void Minimise(unsigned long window);
    void Restore(unsigned long window);
    // Whether the window is on screen (mapped, and its parents with it).
    bool Viewable(unsigned long window);
    // Puts the pointer at a place on the screen.
    void MovePointer(int x, int y);
    // Whether a window manager looks after the screen.
    bool WindowManagerRuns();

private:
    struct Connection;
    Connection* x_;
};
