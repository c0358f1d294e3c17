// One dialog window of the plug-in: created from a template in the plug-in's
// resources, bound to this object, its messages turned into Uevent records
// for one handler function. Dialog code reads and writes controls only by
// dialog-item id through the operations here; the window system behind them
// is user32 on Windows and an in-memory stand-in elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Module.h"
#include "text/DynString.h"
#include "text/UniversalString.h"
#include "ui/Handles.h"
#include "ui/Ucontrol.h"
#include "ui/UdatabrowserControl.h"
#include "ui/Uevent.h"

namespace tavrel {

// Flags of Uwindow.
constexpr std::uint32_t kWindowKeyboardFilter = 0x1;  // install the filter at creation
constexpr std::uint32_t kWindowModal = 0x2;
constexpr std::uint32_t kWindowExists = 0x10;  // destroyed on close
constexpr std::uint32_t kWindowKeepOnClose = 0x40;
constexpr std::uint32_t kWindowSuspendPaint = 0x80;
constexpr std::uint32_t kWindowDragging = 0x100;
constexpr std::uint32_t kWindowDragContainers = 0x200;
constexpr std::uint32_t kWindowShown = 0x2000;

struct USize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class Uwindow {
  public:
    Uwindow();
    explicit Uwindow(WindowHandle existing);
    // A final close: the window is destroyed if it still exists and the
    // toolkit's keyboard filter and message hook are removed.
    virtual ~Uwindow();
    Uwindow(const Uwindow&) = delete;
    Uwindow& operator=(const Uwindow&) = delete;

    // Opens the template as a modeless dialog owned by parent; the handle,
    // or null when the window could not be created.
    WindowHandle openModeless(const std::uint16_t& templateId, UeventHandler handler,
                              platform::ModuleHandle module, WindowHandle parent,
                              std::uint32_t userValue);
    // Opens the template as a modal dialog; returns when its window is gone.
    void openModal(const std::uint16_t& templateId, UeventHandler handler,
                   platform::ModuleHandle module, WindowHandle parent);
    void close(bool final);
    void reset();
    bool isOpen() const { return window != nullptr; }
    void setWindow(WindowHandle handle);

    void show();
    void hide();
    void bringToFront();
    bool isActive() const;
    void setOpacity(float fraction);
    void enable(bool on);
    // Zero x and y: do not move; zero width and height: do not resize.
    void moveResize(std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height);
    URect getBounds() const;
    void startTimer(std::uint32_t milliseconds);
    void stopTimer();

    // Controls, by dialog-item id.
    void bindControls(const ControlLayoutEntry* table);
    double getValue(std::uint32_t id);
    bool setValue(std::uint32_t id, float value);
    UniversalString getText(std::uint32_t id);
    void setText(std::uint32_t id, const UniversalString& text);
    void setText(std::uint32_t id, const DynString& text);
    void setText(std::uint32_t id, const char* text);
    void setText(std::uint32_t id, const std::string& utf8);
    void enableControl(std::uint32_t id, bool on);
    void setButtonImage(std::uint32_t id, std::uint16_t resourceId);

    Ucontrol* controlById(std::uint32_t id);
    Ucontrol* controlByWindow(WindowHandle handle);
    Ucontrol* controlAt(std::size_t index);      // null when out of range
    int indexOfControl(std::uint32_t id) const;  // -1 when absent
    std::size_t controlCount() const { return controls.size(); }

    // Tree browsers, by control id; nothing happens for other ids.
    void setupBrowser(std::uint32_t id, const std::vector<BrowserColumn>& columns,
                      std::uint32_t options);
    // Asks the handler, synchronously, to add item (never for item 0).
    void requestItem(std::uint32_t id, std::uint32_t container, std::uint32_t item);
    // What a handler does on an add-item request: a row at the end of
    // container (0: the top level) with the owner's item id.
    bool insertItem(std::uint32_t id, std::uint32_t container, std::uint32_t item,
                    const UniversalString& text, int image);
    std::uint32_t selectedItem(std::uint32_t id);
    void selectItem(std::uint32_t id, std::uint32_t item);
    void revealItem(std::uint32_t id, std::uint32_t item);
    void openContainer(std::uint32_t id, std::uint32_t item, bool open);
    void removeItem(std::uint32_t id, std::uint32_t item);
    void removeAllItems(std::uint32_t id);

    // The window's state, in the order the toolkit keeps it.
    WindowHandle window = nullptr;
    UeventHandler handler = nullptr;
    platform::ModuleHandle module = nullptr;
    std::uint32_t timerId = 0;
    std::uint32_t flags = 0;
    std::uint32_t userValue = 0;
    std::vector<Ucontrol> controls;
    WindowHandle parent = nullptr;
    USize minSize;
    std::uint32_t dragItem = 0;
    WindowHandle dragSource = nullptr;

  private:
    // Destroys the window when this object still owns it (the window system's part).
    void destroyOwnWindow();
    // The state every open sets before the window system creates the window.
    void prepareOpen(UeventHandler eventHandler, platform::ModuleHandle fromModule,
                     WindowHandle owner, std::uint32_t openFlags);
    // What every close does first: the timer stops, and a close that is not
    // final forgets the window. True when the window itself is to go.
    bool beginClose(bool final);
};

// The object of a dialog window created through an open, or null.
Uwindow* findWindow(WindowHandle handle);

}  // namespace tavrel
