// The program's window toolkit: one top-level window, its controls addressed
// by number, drawing and events. Implemented once over Qt; nothing outside the
// toolkit's own files sees Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Readies the toolkit; call once before anything else. Reads no command line.
void StartToolkit();
// Releases the window, its controls, images and the rest of the toolkit.
void StopToolkit();

// The top-level window: fixed client size, title, close box and window menu,
// centred on the screen. A close request only arrives as EventClose.
void OpenMainWindow(int width, int height, std::string_view title);
// Releases the window with its controls and forgets queued events.
void CloseMainWindow();

enum class ControlKind {
    Label,
    SunkenLabel,
    Field,
    ReadOnlyField,
    Button,
    Canvas,
    SunkenCanvas,
};

void CreateControl(int number, ControlKind kind, int x, int y, int width, int height,
                   std::string_view text);

enum class PointerShape { Arrow, Crosshair };
void SetPointerShape(int control, PointerShape shape);

// The whole text of a control (UTF-8), and its replacement.
std::string ControlText(int control);
void SetControlText(int control, std::string_view text);

// Drawing. The target is a canvas by number, or kWindowSurface.
constexpr int kWindowSurface = 0;

struct Rgb {
    std::uint8_t r, g, b;
};

// The pixels of a drawing target, row after row, each a 24-bit colour held in
// a 32-bit word 0xffRRGGBB: the layout the window system shows without
// converting it.
struct PixelImage {
    std::uint32_t* pixels;
    int width;
    int height;
    std::ptrdiff_t stride;  // pixels from one row to the next
};

constexpr std::uint32_t PixelOf(Rgb colour) {
    return 0xff000000u | std::uint32_t(colour.r) << 16 | std::uint32_t(colour.g) << 8 | colour.b;
}

struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width * 3 bytes a row, no padding
};

// Opens the target's image for drawing; EndDrawing shows the result at once.
PixelImage BeginDrawing(int target);
void EndDrawing(int target);

// A one-pixel line with both end points, cut at the edges of the image.
void DrawLine(const PixelImage& image, std::int32_t x0, std::int32_t y0, std::int32_t x1,
              std::int32_t y1, Rgb colour);
// `picture` with its top-left corner at (x, y), unscaled, cut at the edges.
void DrawPicture(const PixelImage& image, const RgbPicture& picture, int x, int y);

// Events.
enum EventCode : std::int32_t {
    EventOther = 0,
    EventClose = 1,
    EventControl = 2,
};

// Blocks until something happens; there is no time-out.
std::int32_t WaitForEvent();
// Events already queued and not yet taken by WaitForEvent.
std::size_t QueuedEvents();
// About the event WaitForEvent returned last: its control (0 when it is not a
// control event) and, for pointer activity, the pointer in drawable-area
// coordinates at the moment of the activity (0 otherwise).
int EventControlNumber();
std::int32_t EventPointerX();
std::int32_t EventPointerY();
