// Engine.h -- the engine object: window, display, draw table, input, sound state and status.
// One global instance, Vorel, owns the process through Entry.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/core/Status.h"
#include "engine/graphics/DrawTable.h"
#include "engine/platform/Platform.h"

namespace engine::sound {
class SoundX;
}

namespace engine::core {

inline constexpr int kKeyBufferSize = 1000;
inline constexpr int kShowNormal = 1;

// The mouse as the window procedure records it (Input.cpp).
struct MouseState {
  std::int32_t x = 0, y = 0, previousX = 0, previousY = 0;
  std::int32_t buttonHeld = 0, buttonCode = 0, moved = 0;
};

// The last colour given to SetTextRGB, and the same packed as red + 256 green + 65536 blue.
struct TextColour {
  std::int32_t red = 0, green = 0, blue = 0;
  std::uint32_t packed = 0;
};

// The playback slots (Playback.cpp): a buffer per sound that has been played, all in the
// format of the first; the table grows ten slots at a time.
struct SoundTable {
  std::uint32_t rate = 0;
  std::int32_t bits = 0;
  std::int32_t channels = 0;
  std::int32_t count = 0;
  std::int32_t capacity = 0;
  std::vector<sound::SoundX*> owners;
  std::vector<std::unique_ptr<platform::SoundBuffer>> buffers;
};

class Engine {
 public:
  Engine();
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Chooses the backend; called by the program before Entry. The platform must outlive the
  // engine's use of it.
  void AttachPlatform(platform::Platform* platform) { platform_ = platform; }
  // Releases every object the platform made (sound buffers and device, surfaces, display
  // object) and forgets the platform; called before the platform goes away. The status is
  // NO_INIT again, as the engine must be started anew.
  void DetachPlatform();

  // --- Process entry and main loop (MainLoop.cpp) ---

  // Calls initialize() once, then runs the loop, calling run() whenever no message waits.
  // Returns -1 after a failed start-up, else the quit message's exit code.
  int Entry(const std::function<void()>& initialize, const std::function<void()>& run,
            int showCommand = kShowNormal);
  // Posts the quit message with exit code 0; the loop ends at its next pass.
  void Quit();
  // The window procedure: records input and follows focus and activation.
  void WindowProc(const platform::Message& message);

  // --- Start-up (Startup.cpp) ---

  // Starts window, display and sound; the status names the step that failed.
  bool Initialize(int fullscreen, int xres, int yres);
  bool InitClass();
  bool InitWindow();
  bool ShowMain();
  bool DDStart();
  bool SoundStart();
  // Releases back surface, primary surface and display object.
  bool CleanUp();

  // --- Display surfaces and presentation (Surfaces.cpp) ---

  bool CreateSurface();
  bool ViewLock();
  bool ViewUnlock();
  bool ViewUpdate();
  void SetActive(int value) { active_ = value; }
  void SetViewOrigin(int x, int y) {
    viewOriginX_ = x;
    viewOriginY_ = y;
  }
  // True between a successful ViewLock and its ViewUnlock; drawing is valid only then.
  bool IsLocked() const { return locked_; }
  // Called by ViewUnlock while the finished frame is still locked, so that a tool (the
  // screenshot option) can read what was drawn before it is presented.
  void SetDrawnHook(std::function<void()> hook) { drawnHook_ = std::move(hook); }
  // The drawing area's width in pixels (the stride may be larger).
  std::int32_t DrawingWidth() const { return drawingWidth_; }

  // --- Drawing (Drawing.cpp, on graphics/DrawImage, DrawShapes and DrawText) ---
  // Called by the game between ViewLock and ViewUnlock; while the back buffer is not locked
  // they draw nothing. Pixel (x, y) is the back buffer + y * stride + x.

  // The locked back buffer and the clip rectangle, as the draw table's operations take them;
  // its pixels are null while the back buffer is not locked.
  graphics::DrawSurface GetDrawSurface() const;

  // The image operations, through the draw table: the image's top-left at (x, y), clipped to
  // the clip rectangle. 0 when the image is prepared for another use (status IMAGEUSE_FAILED
  // and its report) or before the table is filled; else 1, whether or not anything showed.
  int DrawPlain(int x, int y, const graphics::Image& image);
  int DrawMasked(int x, int y, const graphics::Image& image);
  int DrawAlpha(int x, int y, const graphics::Image& image);
  int DrawAdd(int x, int y, const graphics::Image& image);
  // One pixel of 5-bit components, through the draw table; dropped off the back buffer.
  int DrawPixel(int x, int y, int r, int g, int b);
  // Replaces the clip rectangle (inclusive) of the image operations, unchecked; they never
  // draw outside the back buffer whatever it says.
  void SetClip(int left, int top, int right, int bottom);
  // Fills x1..x2 by y1..y2 (inclusive) with 8-bit components packed to the screen format,
  // ignoring the clip rectangle but cut to the back buffer.
  void DrawRect(int x1, int y1, int x2, int y2, int r, int g, int b);
  // Sets every row of the back buffer to black.
  void ClearView();
  // Covers the back buffer with copies of a DRAW_PLAIN image on a grid scrolled by (ox, oy),
  // each drawn through the table's DrawPlain. 0 when the image is refused (one report).
  int DrawTiled(int ox, int oy, const graphics::Image& image);
  // Stores the text colour as 8-bit components and packed red + 256 green + 65536 blue.
  void SetTextRGB(int r, int g, int b);
  // Draws zero-terminated text with its top-left at (x, y) in the text colour, background
  // left as it is. 0, with a debug-log line, when the back buffer is not locked or the font
  // cannot be loaded; else 1.
  int DrawText(int x, int y, const char* text);

  // --- Status and reports (ErrorReport.cpp) ---

  std::int32_t GetStatus() const { return status_; }
  void SetStatus(std::int32_t code);
  void ReportError();
  // A modal notice with an OK button, owned by no window: through the platform, or on
  // standard error when there is none.
  void Notice(std::string_view text, std::string_view caption);

  // --- Input (Input.cpp) ---

  void PushKey(std::uint8_t c);
  void SetKeyDown(std::uint8_t k);
  void SetKeyUp(std::uint8_t k);
  void MouseMove(std::int32_t x, std::int32_t y);
  void MouseDown(std::int32_t code);
  void MouseUp();
  std::uint8_t GetKey();
  std::uint8_t KeyDown(std::int32_t k) const;
  std::int32_t GetMouseX() const { return mouse_.x; }
  std::int32_t GetMouseY() const { return mouse_.y; }
  std::int32_t GetMouseButton() const { return mouse_.buttonCode; }
  float GetMouseDX() const;
  float GetMouseDY() const;
  // Gamepads, on a backend that has them: what they should do from now on, and the menu
  // button a pad has chosen while one is in use (-1 otherwise, and always without a platform).
  void SetPadControls(const platform::PadControls& controls);
  int PadSelection() const;

  // --- Sound playback (Playback.cpp) ---

  // Gives sound a playback buffer in the shared format; returns its index.
  std::int32_t CreatePlaybackBuffer(sound::SoundX& sound);
  // Creates the buffer on first use and copies the sound's samples into it.
  void UploadSound(sound::SoundX& sound);
  // Plays once: from the start when fromCurrent is 0, else from where the buffer stands.
  void StartSound(sound::SoundX& sound, int fromCurrent);
  // The same with volume 0.0 (-50 dB) to 1.0 (full) and pan -1.0 (left) to 1.0 (right).
  void StartSoundVolumePan(sound::SoundX& sound, int fromCurrent, float volume, float pan);
  void RewindSound(sound::SoundX& sound);
  void StopSound(sound::SoundX& sound);
  // Called whenever a sound is started, so that a tool (the trace) can tell which sounds a
  // frame started.
  void SetSoundStartedHook(std::function<void(const sound::SoundX&)> hook) {
    soundStartedHook_ = std::move(hook);
  }

  // --- Accessors ---

  // The pixels of the last successful ViewLock; after a failed lock still the old ones.
  std::uint16_t* GetBackBuffer() const { return backBuffer_; }
  // Pixels from one row of the back buffer to the next (pitch / 2), from CreateSurface.
  std::int32_t GetStride() const { return stride_; }
  // The drawing height until CreateSurface, then the back buffer's rows.
  std::int32_t GetHeight() const { return height_; }
  std::int32_t GetPitch() const { return pitch_; }
  // Byte offsets of rows 0 to height inclusive, and the buffer's bytes, from CreateSurface.
  const std::vector<std::int32_t>& GetRowOffsets() const { return rowOffsets_; }
  std::int32_t GetBufferSize() const { return bufferSize_; }
  platform::WindowHandle GetWindow() const { return window_; }
  platform::Platform* GetPlatform() const { return platform_; }
  std::int32_t GetFullScreen() const { return fullScreen_; }
  std::int32_t GetActive() const { return active_; }
  // Where a windowed frame is copied to on the screen.
  platform::Point GetViewOrigin() const { return {viewOriginX_, viewOriginY_}; }
  const TextColour& GetTextColour() const { return textColour_; }
  // Characters waiting in the key buffer, and the mouse as last recorded.
  std::int32_t GetKeyCount() const { return keyCount_; }
  const MouseState& GetMouse() const { return mouse_; }
  // The platform's objects, null until made and after they are released.
  const platform::DisplayDevice* GetDisplayObject() const { return displayObject_.get(); }
  const platform::Surface* GetPrimarySurface() const { return primarySurface_.get(); }
  const platform::Surface* GetBackSurface() const { return backSurface_.get(); }
  platform::SoundDevice* GetSoundDevice() const { return directSound_.get(); }
  const SoundTable& GetSoundTable() const { return sounds_; }

  // The operations CreateSurface filled in. A tool may replace them (a test that watches the
  // calls); the next CreateSurface fills them again.
  const graphics::DrawTable& GetDrawTable() const { return draw_; }
  void SetDrawTable(const graphics::DrawTable& table) { draw_ = table; }

 private:
  // Draws through one of the table's image operations and reports a refusal.
  int DrawThrough(graphics::ImageOp op, int x, int y, const graphics::Image& image);
  bool PeekMessage(platform::Message& message);
  void TranslateMessage(const platform::Message& message);
  void DestroyMainWindow();

  // Fields, in the engine's declaration order.
  std::uint16_t* backBuffer_ = nullptr;
  std::vector<std::int32_t> rowOffsets_;
  std::int32_t height_ = 0;
  std::int32_t drawingWidth_ = 0;  // the drawing area, from InitWindow
  std::int32_t stride_ = 0;        // from CreateSurface
  std::int32_t pitch_ = 0;
  graphics::DrawTable draw_;
  std::uintptr_t instance_ = 0;
  std::int32_t showCommand_ = 0;
  std::int32_t status_ = NO_INIT;
  std::int32_t requestedFullScreen_ = 0;
  std::int32_t requestedWidth_ = -1;
  std::int32_t requestedHeight_ = -1;
  std::int32_t fullScreen_ = 0;
  std::int32_t screenWidth_ = 0, screenHeight_ = 0;
  std::int32_t screenDepth_ = 0;
  graphics::ClipRect clip_{0, 0, 0, 0};
  std::int32_t bufferSize_ = 0;
  std::int32_t viewOriginX_ = 0, viewOriginY_ = 0;
  std::int32_t active_ = 0;
  platform::WindowHandle window_ = 0;
  TextColour textColour_;
  std::int32_t keyCount_ = 0;
  std::array<std::uint8_t, kKeyBufferSize> keyBuffer_{};
  std::array<std::uint8_t, 256> keyDownTable_{};
  MouseState mouse_;
  std::unique_ptr<platform::DisplayDevice> displayObject_;
  std::unique_ptr<platform::Surface> primarySurface_;
  std::unique_ptr<platform::Surface> backSurface_;
  std::unique_ptr<platform::SoundDevice> directSound_;
  SoundTable sounds_;

  platform::Platform* platform_ = nullptr;
  bool locked_ = false;
  std::function<void()> drawnHook_;
  std::function<void(const sound::SoundX&)> soundStartedHook_;
  // Messages posted by the engine itself (typed control characters), taken before the
  // platform's queue, and the pending quit.
  std::deque<platform::Message> posted_;
  bool quitPosted_ = false;
  std::int32_t quitCode_ = 0;
};

}  // namespace engine::core

// The program-wide engine object.
extern engine::core::Engine Vorel;
