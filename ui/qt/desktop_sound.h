// The alert sound, played through the desktop's sound server.
#pragma once

#include <memory>

#include "ui/screen_registry.h"

namespace ui::qt {

// Plays a short alert tone, made by the program itself, through the sound
// server (PulseAudio, or PipeWire's PulseAudio service) on a thread of the
// sound library, so beep() never waits. It reads no sound file and writes
// nothing: no cache, no sample left in the server. Where no sound server
// answers it rings the display's bell, and says nothing on standard error.
class DesktopSound : public Sound {
  public:
    DesktopSound();
    ~DesktopSound() override;
    DesktopSound(const DesktopSound&) = delete;
    DesktopSound& operator=(const DesktopSound&) = delete;

    void beep() override;
    // The server accepted the connection; until then, and without one, a
    // beep rings the display's bell.
    bool connected() const;

  private:
    struct Server;
    std::unique_ptr<Server> server_;
};

}  // namespace ui::qt
